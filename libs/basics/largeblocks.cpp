#include "largeblocks.h"

#include <malloc.h>

namespace Basics {

void keepLargeBlocksForReuse()
{
    // 32 MB is the largest threshold the allocator takes; memory freed at the top of the heap is
    // given back beyond 128 MB only.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
}

} // namespace Basics
