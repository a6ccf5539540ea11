// Move to the middle and grow: a small copy of the incoming picture travels toward the middle,
// then grows about the centre.
#include <gtest/gtest.h>

#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 256, H = 144;

// On 256 x 144 the unit is 22 (256 / 12 = 21, odd), 12 units span the width, and the small
// picture is 44 x 24. The vertical moves step by (144 - 44) / 12 = 8.33, the horizontal ones
// by (256 - 44) / 12 = 17.67.
std::vector<Probe> smallAt(int x, int y) {
  const Box box{x, y, 44, 24};
  return scaledInside(box, W, H) + outgoingOutside(box, W, H);
}

// Grow frame j (frame 4 + j) shows the picture 22 j wide, centred.
const Box kTwoUnits{106, 59, 44, 24};
const Box kSixUnits{62, 34, 132, 74};
const Box kElevenUnits{7, 3, 242, 136};

std::vector<Probe> grownTo(const Box& box) {
  return scaledInside(box, W, H) + outgoingOutside(box, W, H);
}

const std::vector<FrameCheck> kChecks = {
    {89, 0, smallAt(106, 0)},
    {89, 3, smallAt(106, 25)},
    {89, 5, smallAt(106, 41) + std::vector<Probe>{outgoingAt(128, 12)}},  // no trail
    {89, 6, grownTo(kTwoUnits)},  // onto the centre line
    {89, 10, grownTo(kSixUnits)},
    {89, 15, grownTo(kElevenUnits)},
    {90, 0, smallAt(106, 119)},
    {90, 5, smallAt(106, 77) + std::vector<Probe>{outgoingAt(128, 131)}},
    {90, 10, grownTo(kSixUnits)},
    {91, 0, smallAt(0, 59)},
    {91, 2, smallAt(35, 59)},
    {91, 5, smallAt(88, 59) + std::vector<Probe>{outgoingAt(22, 71)}},
    {91, 6, grownTo(kTwoUnits)},
    {92, 0, smallAt(212, 59)},
    {92, 4, smallAt(141, 59)},
    {92, 5, smallAt(123, 59) + std::vector<Probe>{outgoingAt(234, 71)}},
    {92, 15, grownTo(kElevenUnits)},
};

TEST(MoveGrow, TheSmallPictureTravelsThenGrows) { expectTransitions(kChecks, W, H); }

TEST(MoveGrow, FrameCounts) {
  for (int index = 89; index <= 92; ++index) {
    EXPECT_EQ(countFrames(index, 1280, 720, 0), 18) << index;  // unit 106, 13 units
    EXPECT_EQ(countFrames(index, 1920, 1080, 4), 21) << index;  // unit 160, 12 units
    EXPECT_EQ(countFrames(index, 132, 100, 0), 16) << index;    // unit 12, 11 units
    EXPECT_EQ(countFrames(index, 720, 1280, 0), 17) << index;   // unit 60, 12 units
  }
}

// Narrower than twelve pixels there is no unit to move by: the picture simply comes in.
TEST(MoveGrow, ACanvasTooNarrowForAUnitShowsThePicture) {
  for (int index = 89; index <= 92; ++index) {
    EXPECT_EQ(countFrames(index, 10, 8, 3), 4) << index;
    WandPtr picture = coordinatePicture(10, 8);
    RecordingSink sink;
    FrameHandOn out(sink, nullptr, 3);
    WandPtr last = runEffect(index, 10, 8, picture.get(), solidPicture(10, 8, "#ff00ff"), out);
    ASSERT_TRUE(last) << index;
    EXPECT_EQ(sink.count(), 4) << index;
    EXPECT_TRUE(near(pixelAt(last.get(), 7, 5), {7, 5, 0}, 0)) << index;
  }
}

TEST(MoveGrow, ARefusedFrameStopsTheEffect) {
  for (int index = 89; index <= 92; ++index) {
    expectCleanFailure(index, 96, 54, 2, 2);  // moving
    expectCleanFailure(index, 96, 54, 9, 2);  // growing
    expectCleanFailure(index, 96, 54, countFrames(index, 96, 54, 0) + 1, 2);
  }
}

}  // namespace
}  // namespace pictavo::test
