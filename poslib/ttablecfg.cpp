#include "ttablecfg.h"

namespace PosLib {

bool TTableCfg::flagDefault(const char* key)
{
    return isOneOf(key, {"dodiscount", "dodrawer", "dochanger", "dobill"});
}

} // namespace PosLib
