// Where a picture lands when it is fitted onto a canvas: shrunk with its proportions kept
// when it is larger than the canvas (never enlarged) and centred.
#pragma once

namespace pictavo {

struct FitPlacement {
  long width = 0, height = 0;  // the picture's size on the canvas
  long x = 0, y = 0;           // its top-left corner; each offset halved toward zero
};

// The placement of a pictureWidth x pictureHeight picture on a canvasWidth x canvasHeight
// canvas. A shrunk side is round(ratio x side) with the ratio of the other side computed in
// double and rounded to single precision, and round() adding 1 from a fraction of 0.5.
FitPlacement fitPlacement(int canvasWidth, int canvasHeight, long pictureWidth, long pictureHeight);

}  // namespace pictavo
