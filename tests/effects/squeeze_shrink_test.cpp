// Squeezes and shrinks to a corner: the outgoing picture shrinks away over the incoming one.
#include <gtest/gtest.h>

#include "effects/shrink_steps.h"
#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 256, H = 144;  // height / width = 0.5625 exactly

std::vector<Probe> shrunkTo(const Box& box) {
  return outgoingInside(box) + incomingOutside(box, W, H);
}

// On 256 x 144: 66 steps by 15 (widths 241, 226, ..., 1), 67 by 16 (240 ... 16, then 12 and
// 4), 68 by 9 (135 ... 9, then 6 and 2), the corners by 16 in width or 9 in height.
const std::vector<FrameCheck> kChecks = {
    {66, 0, shrunkTo({7, 4, 241, 135})},
    {66, 8, shrunkTo({67, 37, 121, 68})},
    {66, 15, shrunkTo({120, 67, 16, 9})},
    // Width 1 has no height left: nothing of the outgoing picture remains.
    {66, 16, {incomingAt(128, 72), incomingAt(132, 74), incomingAt(138, 78)}},
    {67, 0, shrunkTo({8, 0, 240, 144})},
    {67, 14, shrunkTo({120, 0, 16, 144})},
    {67, 15, shrunkTo({122, 0, 12, 144})},
    {67, 16, {incomingAt(120, 72), incomingAt(135, 72)}},
    {68, 0, shrunkTo({0, 4, 256, 135})},
    {68, 7, shrunkTo({0, 36, 256, 72})},
    {68, 16, {incomingAt(128, 64), incomingAt(128, 80)}},
    {81, 0, shrunkTo({0, 0, 240, 135})},
    {81, 10, shrunkTo({0, 0, 80, 45})},
    {81, 14, shrunkTo({0, 0, 16, 9})},
    {82, 0, shrunkTo({0, 9, 240, 135})},
    {82, 10, shrunkTo({0, 99, 80, 45})},
    {83, 0, shrunkTo({16, 0, 240, 135})},
    {83, 10, shrunkTo({176, 0, 80, 45})},
    {84, 0, shrunkTo({16, 9, 240, 135})},
    {84, 10, shrunkTo({176, 99, 80, 45})},
};

TEST(SqueezeShrink, TheOutgoingPictureShrinksAway) { expectTransitions(kChecks, W, H); }

std::vector<int> fromTo(int first, int last, int step) {
  std::vector<int> sizes;
  for (int d = first; d >= last; d -= step) sizes.push_back(d);
  return sizes;
}

std::vector<int> then(std::vector<int> sizes, std::initializer_list<int> more) {
  sizes.insert(sizes.end(), more);
  return sizes;
}

TEST(SqueezeShrink, SizesSlowDownAtTheEnd) {
  EXPECT_EQ(evenShrinkSizes(1280, 75), fromTo(1205, 5, 75));
  EXPECT_EQ(squeezeSizes(1280, 80), then(fromTo(1200, 80, 80), {60, 20}));
  EXPECT_EQ(squeezeSizes(1000, 62), then(fromTo(938, 70, 62), {8, 4}));
  EXPECT_EQ(squeezeSizes(720, 45), then(fromTo(675, 45, 45), {33, 11}));
  EXPECT_EQ(cornerShrinkSizes(80), fromTo(1200, 80, 80));
  // Steps a narrow canvas cannot give still end.
  EXPECT_EQ(squeezeSizes(10, 0), fromTo(9, 1, 1));
  EXPECT_EQ(evenShrinkSizes(10, 0), fromTo(9, 1, 1));
  EXPECT_EQ(squeezeSizes(10, 50), std::vector<int>{});
}

TEST(SqueezeShrink, FrameCounts) {
  EXPECT_EQ(countFrames(66, 1280, 720, 0), 18);
  EXPECT_EQ(countFrames(67, 1280, 720, 10), 28);
  EXPECT_EQ(countFrames(68, 1280, 720, 0), 18);
  EXPECT_EQ(countFrames(67, 1000, 600, 0), 18);
  for (int index = 81; index <= 84; ++index) {
    EXPECT_EQ(countFrames(index, 1280, 720, 2), 18) << index;
    EXPECT_EQ(countFrames(index, 720, 1280, 0), 16) << index;
    EXPECT_EQ(countFrames(index, 8, 8, 0), 16) << index;  // steps of 0 pixels
  }
}

TEST(SqueezeShrink, ARefusedFrameStopsTheEffect) {
  for (int index : {66, 67, 68, 81, 82, 83, 84}) {
    expectCleanFailure(index, 96, 54, 3, 2);
    expectCleanFailure(index, 96, 54, countFrames(index, 96, 54, 0) + 1, 2);
  }
}

}  // namespace
}  // namespace pictavo::test
