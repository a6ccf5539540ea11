// The diagonal wipes and scans: triangles cut off by a diagonal, growing from a corner or
// meeting along the diagonal.
#include <gtest/gtest.h>

#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 320, H = 180;
constexpr int kFromTopLeft = 51, kFromBottomLeft = 52, kFromTopRight = 53,
              kFromBottomRight = 54, kScanIn = 64, kScanOut = 65;
constexpr int kAll[] = {kFromTopLeft, kFromBottomLeft, kFromTopRight, kFromBottomRight,
                        kScanIn,      kScanOut};

// Corner wipes: legs of 32 pixels a step (160 at step 5, frame 4) and the whole canvas from
// step 16 (512 >= 320 + 180); the closing arc bulges outside the canvas, so the triangle
// stays whole along both edges of its corner. Scans: 16 pixels a step.
const std::vector<FrameCheck> kChecks = {
    {kFromTopLeft, 4, {incomingAt(20, 20), incomingAt(100, 40), incomingAt(4, 80),
                       outgoingAt(100, 80), outgoingAt(300, 160)}},
    {kFromTopLeft, 15, {incomingAt(316, 176)}},
    {kFromBottomLeft, 4, {incomingAt(20, 160), incomingAt(100, 140), incomingAt(80, 176),
                          outgoingAt(100, 100), outgoingAt(20, 20)}},
    {kFromBottomLeft, 15, {incomingAt(316, 3)}},
    {kFromTopRight, 4, {incomingAt(300, 20), incomingAt(230, 50), incomingAt(315, 80),
                        outgoingAt(200, 100), outgoingAt(20, 160)}},
    {kFromTopRight, 15, {incomingAt(3, 176)}},
    {kFromBottomRight, 4, {incomingAt(300, 160), incomingAt(230, 130), incomingAt(316, 100),
                           outgoingAt(200, 80), outgoingAt(20, 20)}},
    {kFromBottomRight, 15, {incomingAt(3, 3)}},
    // Frame 9: triangles to x = 160; frame 18: a sliver from (304, 0) to (16, 180).
    {kScanIn, 9, {incomingAt(20, 20), incomingAt(100, 20), incomingAt(300, 160),
                  outgoingAt(160, 90), outgoingAt(280, 20)}},
    {kScanIn, 18, {outgoingAt(160, 90), incomingAt(140, 90), incomingAt(180, 90)}},
    // The outgoing triangles first leave a sliver from (304, 0) to (16, 180), at last only
    // small triangles in the top-left and bottom-right corners.
    {kScanOut, 0, {incomingAt(160, 90), outgoingAt(100, 90), outgoingAt(250, 90)}},
    {kScanOut, 9, {incomingAt(160, 90), outgoingAt(20, 20)}},
    {kScanOut, 18, {outgoingAt(3, 3), outgoingAt(316, 176), incomingAt(160, 90),
                    incomingAt(100, 20)}},
};

TEST(Diagonals, TrianglesFollowTheDiagonal) { expectTransitions(kChecks, W, H); }

// On a square canvas the wipe reaches 1.9 x W at step 19: the far corner is uncovered only by
// the final frame.
TEST(Diagonals, SquareCanvasKeepsTheFarCornerUntilTheEnd) {
  expectTransitions({{kFromTopLeft, 18, {outgoingAt(196, 196), incomingAt(180, 180)}}}, 200, 200);
}

TEST(Diagonals, CountingFigures) {
  for (auto [w, h] : {std::pair{1280, 720}, {720, 1280}, {1000, 600}, {96, 54}})
    for (int index : kAll) EXPECT_EQ(countFrames(index, w, h, 9), 20 + 9) << "effect " << index;
}

TEST(Diagonals, ARefusedFrameStopsTheEffect) {
  for (int index : kAll) {
    expectCleanFailure(index, 160, 90, 9, 3);   // in the wipe
    expectCleanFailure(index, 160, 90, 21, 3);  // in the hold
  }
}

}  // namespace
}  // namespace pictavo::test
