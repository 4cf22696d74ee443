#include "coatcheckrange.h"

namespace PosLib {

int CoatCheckRange::getBegin() const
{
    return getInt("begin", 0);
}

void CoatCheckRange::setBegin(int begin)
{
    setOrRemove("begin", begin, 0);
}

int CoatCheckRange::getEnd() const
{
    return getInt("end", 0);
}

void CoatCheckRange::setEnd(int end)
{
    setOrRemove("end", end, 0);
}

int CoatCheckRange::getMode() const
{
    return getInt("mode", Continuous);
}

void CoatCheckRange::setMode(int mode)
{
    set("mode", mode);
}

} // namespace PosLib
