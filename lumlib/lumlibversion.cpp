#include "lumlibversion.h"

namespace LumLib {

const char* version()
{
    return LUM_VERSION;
}

} // namespace LumLib
