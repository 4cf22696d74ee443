#include "tkeyedvalue.h"

#include <algorithm>
#include <cstring>

namespace PosLib {

bool TKeyedValue::defaultOn(const char*) const
{
    return false;
}

bool TKeyedValue::isOneOf(const char* key, std::initializer_list<const char*> keys)
{
    return std::any_of(keys.begin(), keys.end(), [key](const char* k) { return std::strcmp(k, key) == 0; });
}

bool TKeyedValue::flag(const char* key) const
{
    return getBool(key, defaultOn(key));
}

void TKeyedValue::setFlag(const char* key, bool on)
{
    if (defaultOn(key))
        setFlagDefaultOn(key, on);
    else
        TValue::setFlag(key, on);
}

int TKeyedValue::number(const char* key) const
{
    return getInt(key, 0);
}

void TKeyedValue::setNumber(const char* key, int value)
{
    setOrRemove(key, value, 0);
}

qint64 TKeyedValue::amount(const char* key) const
{
    return getString(key).toLongLong();
}

void TKeyedValue::setAmount(const char* key, qint64 value)
{
    setOrRemove(key, static_cast<long long>(value), 0);
}

QString TKeyedValue::text(const char* key) const
{
    return getString(key);
}

void TKeyedValue::setText(const char* key, const QString& value)
{
    if (value.isEmpty())
        remove(key);
    else
        set(key, value);
}

} // namespace PosLib
