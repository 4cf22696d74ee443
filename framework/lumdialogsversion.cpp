#include "lumdialogsversion.h"

namespace LumDialogs {

const char* version()
{
    return LUM_VERSION;
}

} // namespace LumDialogs
