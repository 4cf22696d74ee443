#include "tnetcardactions.h"

namespace PosLib {

TNetCardActions::TNetCardActions()
    : TNamedList(TListNames::forRoot(QStringLiteral("realnetcardactions")))
{
}

} // namespace PosLib
