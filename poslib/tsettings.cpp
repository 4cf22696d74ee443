#include "tsettings.h"

namespace PosLib {

TSettings::TSettings()
    : TNamedList(TListNames::forRoot(QStringLiteral("settings")))
{
}

} // namespace PosLib
