// The edge and corner wipes: a window, a band or corner rectangles of the previous picture
// over the incoming one, at the places and sizes the steps give.
#include <gtest/gtest.h>

#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 320, H = 180;  // steps 20 (W/16), 11 (H/16) and 10 (W/32); ratio 0.5625
constexpr int kWindow = 2, kBands = 3, kFlatBands = 4, kCornersIn = 37, kCornersOut = 38;
constexpr int kAll[] = {kWindow, kBands, kFlatBands, kCornersIn, kCornersOut};

const std::vector<FrameCheck> kChecks = {
    // Windows 300 x 168 at (10, 5), 100 x 56 at (110, 61), 20 x 11 at (150, 84).
    {kWindow, 0, {outgoingAt(160, 90), incomingAt(5, 90), incomingAt(160, 2),
                  outgoingAt(305, 170)}},
    {kWindow, 10, {outgoingAt(160, 90), incomingAt(100, 90), incomingAt(160, 55),
                   outgoingAt(205, 114)}},
    {kWindow, 14, {outgoingAt(160, 90), incomingAt(140, 90), incomingAt(160, 100)}},
    // Bands 300 wide at x = 10, ..., 20 wide at x = 150, then one pixel, then none.
    {kBands, 0, {outgoingAt(160, 2), outgoingAt(14, 177), incomingAt(5, 90), incomingAt(315, 90)}},
    {kBands, 14, {outgoingAt(160, 90), incomingAt(140, 90), incomingAt(180, 90)}},
    {kBands, 15, {incomingAt(140, 90), incomingAt(180, 90)}},
    // Bands 169 high at y = 5, 92 high at y = 44 (frame 7), ..., 4 high, then one pixel.
    {kFlatBands, 0, {outgoingAt(160, 90), outgoingAt(3, 8), incomingAt(160, 2),
                     incomingAt(160, 177)}},
    {kFlatBands, 7, {outgoingAt(160, 90), incomingAt(160, 38), incomingAt(160, 142)}},
    {kFlatBands, 15, {incomingAt(160, 70)}},
    // Corners 10 x 5.6 in the first frame, 150 x 84.4 in the fifteenth; a cross remains.
    {kCornersIn, 0, {incomingAt(3, 2), incomingAt(316, 177), incomingAt(316, 2), incomingAt(3, 177),
                     outgoingAt(20, 2), outgoingAt(160, 90)}},
    {kCornersIn, 14, {incomingAt(75, 40), incomingAt(250, 150), outgoingAt(160, 90),
                      outgoingAt(160, 40), outgoingAt(75, 90)}},
    // The previous picture's corners shrink from 150 x 84.4 to 10 x 5.6.
    {kCornersOut, 0, {outgoingAt(75, 40), outgoingAt(250, 150), incomingAt(160, 90),
                      incomingAt(160, 40), incomingAt(75, 90)}},
    {kCornersOut, 14, {outgoingAt(3, 2), outgoingAt(316, 177), incomingAt(20, 2),
                       incomingAt(160, 90)}},
};

TEST(EdgeWipes, EachPictureShowsWhereTheStepPutsIt) { expectTransitions(kChecks, W, H); }

TEST(EdgeWipes, CountingFigures) {
  struct Figure {
    int index, width, height, frames;
  } figures[] = {
      {kWindow, 1280, 720, 16},    {kBands, 1280, 720, 17},     {kBands, 1000, 600, 18},
      {kFlatBands, 1280, 720, 17}, {kCornersIn, 1280, 720, 16}, {kCornersOut, 1280, 720, 16},
      {kWindow, 720, 1280, 16},    {kBands, 720, 1280, 17},     {kFlatBands, 720, 1280, 17},
      {kFlatBands, 1000, 600, 18}, {kCornersIn, 1000, 600, 17}, {kCornersOut, 1000, 600, 17},
  };
  for (const Figure& f : figures) {
    EXPECT_EQ(countFrames(f.index, f.width, f.height, 10), f.frames + 10)
        << "effect " << f.index << " on " << f.width << "x" << f.height;
  }
}

// A canvas narrower than the step's divisor (step 0) still finishes, and a window whose
// height truncates to 0 on a very wide canvas shows nothing of the previous picture.
TEST(EdgeWipes, DegenerateSteps) {
  std::vector<FrameCheck> tiny;
  for (int index : kAll) tiny.push_back({index, 0, {}});
  expectTransitions(tiny, 12, 10);
  // 640 x 12: windows 600 x 11 in frame 0, ..., 80 x 1, then 40 x 0 in frame 14.
  expectTransitions({{kWindow, 0, {outgoingAt(320, 5)}}, {kWindow, 14, {incomingAt(320, 5)}}},
                    640, 12);
}

TEST(EdgeWipes, ARefusedFrameStopsTheEffect) {
  for (int index : kAll) {
    expectCleanFailure(index, 160, 90, 5, 3);                                 // in the wipe
    expectCleanFailure(index, 160, 90, countFrames(index, 160, 90, 0) + 1, 3);  // in the hold
  }
}

}  // namespace
}  // namespace pictavo::test
