#include "tpricelevel.h"

namespace PosLib {

int TPricelevel::getStart() const
{
    return getInt("start", 0);
}

void TPricelevel::setStart(int start)
{
    setOrRemove("start", start, 0);
}

int TPricelevel::getEnd() const
{
    return getInt("end", 0);
}

void TPricelevel::setEnd(int end)
{
    setOrRemove("end", end, 0);
}

bool TPricelevel::getNoDiscounts() const
{
    return getBool("nodiscs");
}

void TPricelevel::setNoDiscounts(bool on)
{
    setFlag("nodiscs", on);
}

int TPricelevel::getDays() const
{
    return getInt("days", everyDay);
}

void TPricelevel::setDays(int days)
{
    days &= weekdayBits;
    setOrRemove("days", days == weekdayBits ? everyDay : days, everyDay);
}

} // namespace PosLib
