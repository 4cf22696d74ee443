#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QString>

namespace PosLib {

// A cost centre of the bookkeeping; the point-of-sale database keeps a row of it as well.
class BASICS_EXPORT TCostCenter : public Basics::TValue {
public:
    QString getAccount() const;              // "account": the account in the bookkeeping
    void setAccount(const QString& account); // removed when empty
};

} // namespace PosLib
