// How long the preview waits for pictures: before the first frame and whenever the frames
// run out. Slower machines (fewer processors) wait longer. Waits count in 500 ms steps.
#pragma once

namespace pictavo {

inline constexpr int kPreviewWaitStepMs = 500;
inline constexpr int kPreviewFrameMs = 40;  // 25 frames per second
// A video this narrow shows a blank picture instead of the 264-pixel-wide waiting picture.
inline constexpr int kWaitingPictureWidth = 264;

struct BufferWaits {
  int initial;   // steps before the first frame
  int rebuffer;  // steps after the frames ran out
};

constexpr BufferWaits bufferWaitsFor(int processors) {
  switch (processors) {
    case 1: return {10, 18};
    case 2: return {8, 14};
    case 3: return {6, 10};
    case 4: return {4, 6};
    default: return {2, 4};
  }
}

}  // namespace pictavo
