// How the C library's allocator handles large blocks (pictures, frames, canvases of several
// megabytes). By default glibc raises its threshold for mapping blocks of their own each
// time such a block is freed, so later ones come from its heaps and arenas, where the
// memory around them stays with the process after they are freed: a long generation's
// memory grows well past what it holds at any time. Called once at start-up.
#pragma once

namespace pictavo {

// Blocks of 4 MB and more get mappings of their own, returned to the system when freed.
void returnLargeBlocksToTheSystem();

}  // namespace pictavo
