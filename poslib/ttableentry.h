#pragma once

#include "basics_global.h"
#include "tvaluelist.h"

#include <QString>

namespace PosLib {

// One line that belongs to an action of a table record: an ordered article, a voided one, or a
// line of cash information ("tableentry" tells which kind of line it is).
class BASICS_EXPORT TTableEntry : public Basics::TValue {
public:
    static const QString cashInformation;        // "cashinformation"
    static const QString cashBalanceInformation; // "cashbalanceinformation"

    QString getEntryKind() const; // "tableentry"
    void setEntryKind(const QString& kind);
    qint64 getAmount() const; // "amount", in the smallest unit of the currency
    void setAmount(qint64 amount);
};

// The lines of one action, numbered from 1 in the order they were added.
class BASICS_EXPORT TTableEntries : public Basics::TValueList {
    Q_OBJECT
public:
    Basics::TValue* createValue() const override;
    // The lines of one kind, in order.
    QList<TTableEntry*> ofKind(const QString& kind) const;
};

} // namespace PosLib
