#pragma once

#include "basics_global.h"

namespace Basics {

// Lets the allocator keep blocks of up to 32 MB on its heap for reuse instead of mapping each one
// afresh from the system and handing it back when freed. A page of a card's action log passes
// through several buffers of megabytes on each side of the connection; mapped anew for every page,
// their first touch cost about a tenth of the log's loading time in page faults. Programs call this
// once at their start.
BASICS_EXPORT void keepLargeBlocksForReuse();

} // namespace Basics
