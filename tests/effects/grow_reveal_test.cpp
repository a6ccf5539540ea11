// Grow and reveal: a rectangle of the incoming picture, scaled or uncovered in place, grows
// from a corner, a side or the centre until it fills the screen.
#include <gtest/gtest.h>

#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 256, H = 144;  // steps of 16 in width, 9 in height, 15 for the centre grow

std::vector<Probe> grown(const Box& box) {
  return scaledInside(box, W, H) + outgoingOutside(box, W, H);
}
std::vector<Probe> revealed(const Box& box) {
  return incomingInside(box) + outgoingOutside(box, W, H);
}

// Frame f shows the rectangle at step f + 1: 80 x 45 at frame 4, 160 x 90 at 9, 192 x 108 at
// 11; the centre grow is 75 x 42 at frame 4 and 165 x 92 at 10.
const std::vector<FrameCheck> kChecks = {
    {5, 4, grown({0, 0, 80, 45})},
    {5, 11, grown({0, 0, 192, 108})},
    {6, 4, revealed({0, 0, 80, 45})},
    {6, 11, revealed({0, 0, 192, 108})},
    {7, 4, grown({0, 99, 80, 45})},
    {8, 4, revealed({0, 99, 80, 45})},
    {9, 4, grown({176, 0, 80, 45})},
    {10, 9, revealed({96, 0, 160, 90})},
    {11, 4, grown({176, 99, 80, 45})},
    {12, 9, revealed({96, 54, 160, 90})},
    {13, 4, grown({0, 49, 80, 45})},
    {14, 4, grown({88, 0, 80, 45})},
    {15, 4, grown({176, 49, 80, 45})},
    {16, 4, grown({88, 99, 80, 45})},
    {17, 4, grown({90, 50, 75, 42})},
    {17, 10, grown({45, 25, 165, 92})},
    {18, 4, revealed({88, 49, 80, 45})},
    {19, 4, revealed({88, 0, 80, 144})},
    {20, 4, revealed({0, 49, 256, 45})},
    {21, 4, revealed({0, 0, 80, 144})},
    {22, 4, revealed({0, 0, 256, 45})},
    {23, 4, revealed({0, 99, 256, 45})},
    {24, 4, revealed({176, 0, 80, 144})},
};

TEST(GrowReveal, TheRectangleGrowsToFillTheScreen) { expectTransitions(kChecks, W, H); }

// On 160 x 112 the ratio 0.7 rounds to 0.69999999 in single precision, so 10 x r and 150 x r
// fall just short of 7 and 105: the grows leave the bottom row of pixels to the outgoing
// picture, the bottom-corner reveals reach it.
TEST(GrowReveal, BottomCornerRevealsReachTheBottomRow) {
  struct Case {
    int index;
    bool reachesBottom;
  } cases[] = {{7, false}, {8, true}, {11, false}, {12, true}};
  for (const Case& c : cases) {
    Transition t = renderTransition(c.index, 160, 112);
    for (int frame : {0, 14}) {
      WandPtr shown = t.sink.decoded(frame);
      const int x = c.index < 10 ? 4 : 155;
      const int blue = pixelAt(shown.get(), x, 111).b;
      if (c.reachesBottom)
        EXPECT_LT(blue, 20) << "effect " << c.index << ", frame " << frame;
      else
        EXPECT_GT(blue, 60) << "effect " << c.index << ", frame " << frame;
    }
  }
}

TEST(GrowReveal, FrameCounts) {
  EXPECT_EQ(countFrames(5, 1280, 720, 0), 16);   // 80, 160, ..., 1280
  EXPECT_EQ(countFrames(17, 1280, 720, 5), 23);  // 75, ..., 1275, then 1280
  EXPECT_EQ(countFrames(22, 1280, 720, 0), 16);  // 45, ..., 720
  EXPECT_EQ(countFrames(14, 720, 1280, 0), 16);
  for (int index = 5; index <= 24; ++index) {
    // 1000 / 62, 600 / 37 and 1000 / 58 leave a shortened last step.
    EXPECT_EQ(countFrames(index, 1000, 600, 1), index == 17 ? 19 : 18) << index;
    EXPECT_EQ(countFrames(index, 8, 8, 0), 8) << index;  // steps of 0 pixels count as 1
  }
}

TEST(GrowReveal, ARefusedFrameStopsTheEffect) {
  for (int index = 5; index <= 24; ++index) {
    expectCleanFailure(index, 96, 54, 4, 2);
    expectCleanFailure(index, 96, 54, countFrames(index, 96, 54, 0) + 1, 2);
  }
}

}  // namespace
}  // namespace pictavo::test
