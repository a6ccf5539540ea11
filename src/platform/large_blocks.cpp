#include "platform/large_blocks.h"

#include <malloc.h>

namespace pictavo {

void returnLargeBlocksToTheSystem() {
  // A fixed threshold also turns glibc's raising of it off. Blocks below it (a 1080p raw
  // frame, 3 MB) are reused in place frame after frame.
  mallopt(M_MMAP_THRESHOLD, 4 << 20);
}

}  // namespace pictavo
