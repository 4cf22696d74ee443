#pragma once

#include "lumlib_global.h"

namespace LumLib {

// The version of the host library, "major.minor.patch".
LUMLIB_EXPORT const char* version();

} // namespace LumLib
