#pragma once

#include "lumdialogs_global.h"

namespace LumDialogs {

// The version of the dialog library, "major.minor.patch".
LUMDIALOGS_EXPORT const char* version();

} // namespace LumDialogs
