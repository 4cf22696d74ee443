#pragma once

#include "lumlib_global.h"

#include <QString>

class TCurrencies;

namespace PosLib {
class TNetCardActionTemplate;
}

// What a card action does, as the action lists show it, with the amounts of currency fields in the
// system currency of the currency list (as plain numbers without one).
LUMLIB_EXPORT QString cardActionText(const PosLib::TNetCardActionTemplate& action,
                                     const TCurrencies* currencies);
