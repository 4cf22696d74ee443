#pragma once

#include "lumdialogs_global.h"
#include "tvalue.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace Database {

// One counted cash group: a row of the table "cashgroupccd", its attributes named like the
// columns. The same record carries the target of a location and cash group read from the view
// "GetCCDValues" (location, cash group and target amount). Columns the record lacks are written as
// NULL where the table allows it, otherwise as 0 or an empty text.
class LUMDIALOGS_EXPORT CashGroupCCDTable : public Basics::TValue {
public:
    QDateTime getCCDTimestamp() const;
    void setCCDTimestamp(const QDateTime& time);
    QString getLocation() const;
    void setLocation(const QString& location);
    QString getCashGroup() const;
    void setCashGroup(const QString& group);
    double getTargetAmount() const;
    void setTargetAmount(double amount);
    double getDifferenceAmount() const;
    void setDifferenceAmount(double amount);
    double getActualAmount() const;
    void setActualAmount(double amount);
    qint64 getOutletId() const;
    void setOutletId(qint64 id);
    QString getOutletName() const;
    void setOutletName(const QString& name);
    qint64 getMandantId() const;
    void setMandantId(qint64 id);
    QString getMandantName() const;
    void setMandantName(const QString& name);
    qint64 getSumOutletId() const;
    void setSumOutletId(qint64 id);
    qint64 getTerminalId() const;
    void setTerminalId(qint64 id);
    QString getTerminalName() const;
    void setTerminalName(const QString& name);
    qint64 getCostCenterId() const;
    void setCostCenterId(qint64 id);
    QString getCostCenterName() const;
    void setCostCenterName(const QString& name);
    qint64 getWaiterId() const;
    void setWaiterId(qint64 id);
    QString getWaiterName() const;
    void setWaiterName(const QString& name);
    qint64 getCCDId() const;
    void setCCDId(qint64 id);

    // The columns of a row in the order of the table (the key left to the database) and the values
    // of this record for them.
    static QStringList columnNames();
    QVariantList columnValues() const;
};

using CashGroupCCDTableList = QList<CashGroupCCDTable>;

} // namespace Database
