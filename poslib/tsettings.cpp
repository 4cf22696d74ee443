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

} // namespace PosLib
