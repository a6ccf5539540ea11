// The clock wipes and the windmill: slices of the incoming picture centred on the canvas,
// turning clockwise or counter-clockwise, drawn onto the previous picture frame after frame.
#include <gtest/gtest.h>

#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 320, H = 320;  // centre (160, 160)
constexpr int kTwelveCw = 32, kBothWays = 33, kNineCw = 34, kNineCcw = 35, kTwelveCcw = 36,
              kWindmill = 57;
constexpr int kAll[] = {kTwelveCw, kBothWays, kNineCw, kNineCcw, kTwelveCcw, kWindmill};

// The hands have not turned in the first frame: the previous picture everywhere, even along
// them.
std::vector<FrameCheck> firstFrames() {
  std::vector<FrameCheck> checks;
  for (int index : kAll) {
    checks.push_back({index, 0, {outgoingAt(160, 40), outgoingAt(160, 280), outgoingAt(40, 160),
                                 outgoingAt(280, 160), outgoingAt(3, 3)}});
  }
  return checks;
}

// Angles clockwise from 3 o'clock, 270 is 12 o'clock. The single hands turn 19.8 degrees a
// frame (frame 18 stops 3.6 degrees short), both ways 11.0, the windmill's blades 5.45
// (frame 16 stops at 87 degrees a blade).
const std::vector<FrameCheck> kChecks = {
    // 270 to 369 in frame 5; the gap left of 12 o'clock in frame 18.
    {kTwelveCw, 5, {incomingAt(200, 100), incomingAt(300, 162), outgoingAt(200, 200),
                    outgoingAt(100, 100)}},
    {kTwelveCw, 18, {outgoingAt(155, 3), incomingAt(170, 3), incomingAt(100, 100),
                     incomingAt(160, 300)}},
    {kTwelveCcw, 5, {incomingAt(120, 100), incomingAt(20, 158), outgoingAt(220, 100),
                     outgoingAt(100, 220)}},
    {kTwelveCcw, 18, {outgoingAt(165, 3), incomingAt(150, 3), incomingAt(220, 100),
                      incomingAt(160, 300)}},
    // From 9 o'clock clockwise: upwards first.
    {kNineCw, 5, {incomingAt(100, 100), incomingAt(155, 20), outgoingAt(200, 100),
                  outgoingAt(100, 200)}},
    {kNineCw, 18, {outgoingAt(3, 165), incomingAt(3, 150), incomingAt(200, 200)}},
    {kNineCcw, 5, {incomingAt(100, 200), incomingAt(165, 300), outgoingAt(100, 100),
                   outgoingAt(200, 200)}},
    {kNineCcw, 18, {outgoingAt(3, 155), incomingAt(3, 170), incomingAt(200, 100)}},
    // 182 to 358 in frame 8; the gap around 6 o'clock in frame 16.
    {kBothWays, 8, {incomingAt(100, 100), incomingAt(220, 100), outgoingAt(20, 170),
                    outgoingAt(160, 300)}},
    {kBothWays, 16, {outgoingAt(160, 315), incomingAt(140, 315), incomingAt(180, 315),
                     incomingAt(300, 200)}},
    // Blades 270-313, 0-43, 90-133 and 180-223 in frame 8.
    {kWindmill, 8, {incomingAt(200, 100), incomingAt(210, 180), incomingAt(140, 220),
                    incomingAt(100, 140), outgoingAt(180, 220), outgoingAt(130, 100),
                    outgoingAt(250, 120), outgoingAt(60, 200)}},
    {kWindmill, 16, {incomingAt(220, 250), incomingAt(100, 70)}},
};

TEST(ClockWipes, SlicesUncoverThePictureAsTheHandsTurn) {
  std::vector<FrameCheck> checks = firstFrames();
  checks.insert(checks.end(), kChecks.begin(), kChecks.end());
  expectTransitions(checks, W, H);
}

TEST(ClockWipes, CountingFigures) {
  for (auto [w, h] : {std::pair{1280, 720}, {720, 1280}, {1000, 600}}) {
    for (int index : {kTwelveCw, kNineCw, kNineCcw, kTwelveCcw})
      EXPECT_EQ(countFrames(index, w, h, 7), 20 + 7) << "effect " << index;
    for (int index : {kBothWays, kWindmill})
      EXPECT_EQ(countFrames(index, w, h, 7), 18 + 7) << "effect " << index;
  }
}

TEST(ClockWipes, ARefusedFrameStopsTheEffect) {
  for (int index : kAll) {
    expectCleanFailure(index, 160, 90, 5, 3);                                 // in the sweep
    expectCleanFailure(index, 160, 90, countFrames(index, 160, 90, 0) + 1, 3);  // in the hold
  }
}

}  // namespace
}  // namespace pictavo::test
