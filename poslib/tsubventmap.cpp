#include "tsubventmap.h"

namespace PosLib {

int TSubventMap::getSubventId() const
{
    return getInt("subventid", 0);
}

void TSubventMap::setSubventId(int id)
{
    setOrRemove("subventid", id, 0);
}

int TSubventMap::getSubventType() const
{
    return getInt("subventtype", PerDay);
}

void TSubventMap::setSubventType(int period)
{
    setOrRemove("subventtype", period, int(PerDay));
}

uint TSubventMap::getMaxSubvent() const
{
    return get("maxsubvent", 0u).toUInt();
}

void TSubventMap::setMaxSubvent(uint count)
{
    setOrRemove("maxsubvent", count, 0u);
}

int TSubventMap::getPayformId() const
{
    return getInt("payformid", 0);
}

void TSubventMap::setPayformId(int id)
{
    setOrRemove("payformid", id, 0);
}

QString TSubventMap::getPayformName() const
{
    return getString("payformname");
}

void TSubventMap::setPayformName(const QString& name)
{
    setOrRemove("payformname", name, QString());
}

} // namespace PosLib
