#include "tsettings.h"

namespace PosLib {

QString TSettings::rootName() const
{
    return QStringLiteral("settings");
}

QString TSettings::fileName() const
{
    return QStringLiteral("settings.dat");
}

QString TSettings::elementName() const
{
    return QStringLiteral("setting");
}

Basics::TValue* TSettings::createValue() const
{
    return new TSetting;
}

} // namespace PosLib
