// The sizes an outgoing picture passes through while it shrinks away: one entry per
// transition frame, each above zero; the frame at size 0 (the final one) is not listed.
#pragma once

#include <vector>

namespace pictavo {

// From full - step down in equal steps, the last one shortened to what is left. A step below
// one pixel counts as one, and one larger than `full` as `full`.
std::vector<int> evenShrinkSizes(int full, int step);

// From full - step down in equal steps until the remainder, then slowing: halving the step
// when the size meets it exactly, halving the size when it falls short of it. Steps are
// bounded as for evenShrinkSizes.
std::vector<int> squeezeSizes(int full, int step);

// 15 x step, 14 x step, ... 1 x step.
std::vector<int> cornerShrinkSizes(int step);

}  // namespace pictavo
