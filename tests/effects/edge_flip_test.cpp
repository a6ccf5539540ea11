// Edge flips: the incoming picture swings in as a perspective trapezoid hinged on one edge.
#include <gtest/gtest.h>

#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 256, H = 144;

// Frame i - 1 shows step i. Step 1 and step 9 on 256 x 144:
//   left/right hinge: far edge from y 38.4 to 105.6 (step 1), 20.3 to 123.7 (step 9);
//     60 at x 44.4 and 144, 61 at x 211 and 112;
//   top/bottom hinge: far edge from x 68.3 to 187.7 (step 1), 36.2 to 219.8 (step 9);
//     62 at y 25 and 81, 63 at y 119 and 63.
// The picture parts seen inside come from the perspective that maps the hinge edge onto
// itself and the far edge of the picture onto the far edge of the trapezoid.
const std::vector<FrameCheck> kChecks = {
    {60, 0, {sourceAt(8, 72, 25, 72), outgoingAt(52, 72), outgoingAt(40, 20),
             outgoingAt(40, 124)}},
    {60, 8, {sourceAt(8, 72, 10, 72), sourceAt(138, 72, 242, 72), sourceAt(138, 28, 242, 12),
             outgoingAt(150, 72), outgoingAt(138, 10), outgoingAt(70, 3), outgoingAt(138, 134)}},
    {60, 16, {outgoingAt(252, 72), sourceAt(100, 72, 100, 72, 40)}},
    {61, 0, {sourceAt(248, 72, 234, 72), outgoingAt(203, 72), outgoingAt(215, 20),
             outgoingAt(215, 124)}},
    {61, 8, {sourceAt(248, 72, 246, 72), sourceAt(118, 72, 15, 72), sourceAt(118, 28, 15, 12),
             outgoingAt(106, 72), outgoingAt(118, 10), outgoingAt(186, 3), outgoingAt(118, 134)}},
    {61, 16, {outgoingAt(4, 72)}},
    {62, 0, {sourceAt(128, 6, 128, 20), outgoingAt(128, 33), outgoingAt(40, 20),
             outgoingAt(216, 20)}},
    {62, 8, {sourceAt(128, 6, 128, 8), sourceAt(128, 76, 128, 133), sourceAt(48, 76, 19, 133),
             outgoingAt(128, 88), outgoingAt(26, 76), outgoingAt(230, 76), outgoingAt(3, 40)}},
    {62, 16, {outgoingAt(128, 141)}},
    {63, 0, {sourceAt(128, 138, 128, 127), outgoingAt(128, 111), outgoingAt(40, 124),
             outgoingAt(216, 124)}},
    {63, 8, {sourceAt(128, 138, 128, 136), sourceAt(128, 68, 128, 13), sourceAt(48, 68, 20, 13),
             outgoingAt(128, 56), outgoingAt(26, 68), outgoingAt(230, 68), outgoingAt(3, 104)}},
    {63, 16, {outgoingAt(128, 2)}},
};

TEST(EdgeFlips, TheTrapezoidSwingsOutFromItsHinge) { expectTransitions(kChecks, W, H); }

TEST(EdgeFlips, SeventeenSwingingFramesAndTheFinalOne) {
  for (int index = 60; index <= 63; ++index) {
    EXPECT_EQ(countFrames(index, 1280, 720, 0), 18) << index;
    EXPECT_EQ(countFrames(index, 720, 1280, 25), 43) << index;
    EXPECT_EQ(countFrames(index, 96, 54, 3), 21) << index;
  }
}

TEST(EdgeFlips, ARefusedFrameStopsTheEffect) {
  for (int index = 60; index <= 63; ++index) {
    expectCleanFailure(index, 96, 54, 5, 3);                                // in the swing
    expectCleanFailure(index, 96, 54, countFrames(index, 96, 54, 0) + 1, 3);  // in the hold
  }
}

}  // namespace
}  // namespace pictavo::test
