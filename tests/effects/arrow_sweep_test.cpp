// The arrow and sweep wipes: a polygon of the incoming picture grows over the previous
// picture in 19 frames, each adding to the last.
#include <gtest/gtest.h>

#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 320, H = 180;
constexpr int kArrowLeft = 73, kArrowRight = 74, kArrowTop = 75, kArrowBottom = 76;
constexpr int kSweepBottom = 77, kSweepTop = 78, kSweepLeft = 79, kSweepRight = 80;
constexpr int kAll[] = {kArrowLeft,   kArrowRight, kArrowTop,  kArrowBottom,
                        kSweepBottom, kSweepTop,   kSweepLeft, kSweepRight};

// Arrows: the tip advances 32 (or 18) pixels a step; at step 5 (frame 4) it is at the middle
// with a base of 90 (or 160) pixels; at step 19 only the two far corners are left. Sweeps:
// the apex reaches the middle at step 5 and the far edge at step 10; at step 19 the far side
// spans all but 16 (or 9) pixels at each end.
const std::vector<FrameCheck> kChecks = {
    {kArrowLeft, 0, {outgoingAt(160, 90)}},
    {kArrowLeft, 4, {incomingAt(20, 90), incomingAt(120, 90), outgoingAt(200, 90),
                     outgoingAt(20, 20)}},
    {kArrowLeft, 18, {incomingAt(160, 90), incomingAt(5, 5), outgoingAt(316, 2),
                      outgoingAt(316, 177)}},
    {kArrowRight, 4, {incomingAt(300, 90), incomingAt(200, 90), outgoingAt(120, 90),
                      outgoingAt(300, 20)}},
    {kArrowRight, 18, {incomingAt(160, 90), incomingAt(314, 5), outgoingAt(3, 2),
                       outgoingAt(3, 177)}},
    {kArrowTop, 4, {incomingAt(160, 20), incomingAt(160, 80), outgoingAt(160, 120),
                    outgoingAt(90, 60)}},
    {kArrowTop, 18, {incomingAt(160, 90), incomingAt(3, 3), outgoingAt(3, 177),
                     outgoingAt(316, 177)}},
    {kArrowBottom, 4, {incomingAt(160, 160), incomingAt(160, 100), outgoingAt(160, 60),
                       outgoingAt(90, 120)}},
    {kArrowBottom, 18, {incomingAt(160, 90), incomingAt(316, 176), outgoingAt(3, 2),
                        outgoingAt(316, 2)}},
    {kSweepBottom, 4, {incomingAt(160, 170), incomingAt(160, 100), outgoingAt(160, 60),
                       outgoingAt(20, 120)}},
    {kSweepBottom, 9, {incomingAt(160, 10), outgoingAt(20, 20), outgoingAt(300, 20)}},
    {kSweepBottom, 18, {outgoingAt(2, 2), outgoingAt(316, 2), incomingAt(160, 90),
                        incomingAt(60, 10)}},
    {kSweepTop, 4, {incomingAt(160, 10), outgoingAt(160, 120), outgoingAt(20, 60)}},
    {kSweepTop, 18, {outgoingAt(2, 177), outgoingAt(316, 177), incomingAt(160, 90)}},
    {kSweepLeft, 4, {incomingAt(10, 90), outgoingAt(200, 90), outgoingAt(60, 10)}},
    {kSweepLeft, 18, {outgoingAt(317, 2), outgoingAt(317, 177), incomingAt(160, 90),
                      incomingAt(310, 40)}},
    {kSweepRight, 4, {incomingAt(310, 90), outgoingAt(120, 90), outgoingAt(260, 10)}},
    {kSweepRight, 18, {outgoingAt(2, 2), outgoingAt(2, 177), incomingAt(160, 90)}},
};

TEST(ArrowsAndSweeps, PolygonsUncoverThePicture) { expectTransitions(kChecks, W, H); }

// With H = 128 the sweep's apex stops 8 pixels short of the far edge ((2 x 128) / 20 = 12);
// on a portrait canvas the left arrow at step 5 reaches the middle with a base as high,
// relative to the height, as on a landscape one (reach 90, half base 80).
TEST(ArrowsAndSweeps, OtherProportions) {
  expectTransitions({{kSweepBottom, 9, {outgoingAt(64, 3), incomingAt(64, 24)}}}, 128, 128);
  expectTransitions({{kArrowLeft, 4, {incomingAt(10, 160), incomingAt(10, 225),
                                      outgoingAt(10, 250), outgoingAt(100, 160)}}},
                    180, 320);
}

TEST(ArrowsAndSweeps, CountingFigures) {
  for (auto [w, h] : {std::pair{1280, 720}, {720, 1280}, {1000, 600}, {96, 54}})
    for (int index : kAll) EXPECT_EQ(countFrames(index, w, h, 12), 20 + 12) << "effect " << index;
}

TEST(ArrowsAndSweeps, ARefusedFrameStopsTheEffect) {
  for (int index : kAll) {
    expectCleanFailure(index, 160, 90, 9, 3);   // in the wipe
    expectCleanFailure(index, 160, 90, 21, 3);  // in the hold
  }
}

}  // namespace
}  // namespace pictavo::test
