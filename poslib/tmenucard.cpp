#include "tmenucard.h"

#include "tidlist.h"

namespace PosLib {

int TMenuCard::getPriceLevel() const
{
    return getInt("pricelevel", 0);
}

void TMenuCard::setPriceLevel(int level)
{
    setOrRemove("pricelevel", level, 0);
}

QList<int> TMenuCard::getExcludes() const
{
    return splitIds(getString("excludes"), u':');
}

void TMenuCard::setExcludes(const QList<int>& ids)
{
    setOrRemove("excludes", joinIds(ids, u':'), QString());
}

} // namespace PosLib
