#include "ttaxgroup.h"

#include "tidlist.h"

namespace PosLib {

QList<int> TTaxGroup::getRates() const
{
    return splitIds(getString("rates"), u':');
}

void TTaxGroup::setRates(const QList<int>& rates)
{
    setOrRemove("rates", joinIds(rates, u':'), QString());
}

} // namespace PosLib
