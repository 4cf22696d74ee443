#include "tshift.h"

namespace PosLib {

int TShift::getGroup() const
{
    return getInt("group", 0);
}

void TShift::setGroup(int group)
{
    setOrRemove("group", group, 0);
}

int TShift::getStart() const
{
    return getInt("start", 0);
}

void TShift::setStart(int start)
{
    setOrRemove("start", start, 0);
}

int TShift::getEnd() const
{
    return getInt("end", 0);
}

void TShift::setEnd(int end)
{
    setOrRemove("end", end, 0);
}

int TShift::getGracePeriod() const
{
    return getInt("graceperiod", 0);
}

void TShift::setGracePeriod(int minutes)
{
    set("graceperiod", minutes);
}

int TShift::getDays() const
{
    return getInt("days", everyDay);
}

void TShift::setDays(int days)
{
    setOrRemove("days", days, everyDay);
}

} // namespace PosLib
