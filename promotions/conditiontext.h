#pragma once

#include "lumdialogs_global.h"

#include <QString>

class TLumWorkspace;

namespace PosLib {
class SalesPromotionCondition;
}

// A condition as the promotion editor lists it, one line per part, with the names of the article,
// department, cost centre, family and price level it names (looked up in the workspace's lists):
//
//   ORDERCONDITION
//   2 x Espresso (1021)
//   Costcenter: Bar (2)
//   Family: Ignored ...
LUMDIALOGS_EXPORT QString promotionConditionText(const PosLib::SalesPromotionCondition& condition,
                                                 TLumWorkspace* workspace);
