#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QList>

namespace PosLib {

// A tax group: the VAT rates an article of the group is taxed with, in their order.
class BASICS_EXPORT TTaxGroup : public Basics::TValue {
public:
    QList<int> getRates() const;            // "rates": VAT rate ids joined by ":"
    void setRates(const QList<int>& rates); // removed when empty
};

} // namespace PosLib
