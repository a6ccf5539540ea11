#include "imaging/caption_layout.h"

namespace pictavo {

int marginUnits(float fraction) {
  if (!(fraction > 0)) return 0;  // also NaN
  if (fraction > 1) return 400;
  return static_cast<int>(static_cast<double>(fraction) * 400);  // 0.06f gives 23
}

float marginPixels(float fraction, int side) {
  return static_cast<float>(marginUnits(fraction) * side) / 400.0f;
}

CaptionPlacement placeCaption(int location, int canvasWidth, int canvasHeight, int w, int h,
                              bool band, const CaptionMargins& margins) {
  const int W = canvasWidth, H = canvasHeight;
  const float top = marginPixels(margins.top, H);
  const float bottom = static_cast<float>(H - h) - marginPixels(margins.bottom, H);
  const float left = marginPixels(margins.left, W);
  const float right = static_cast<float>(W - w) - marginPixels(margins.right, W);
  const float centreBottom = static_cast<float>(H - h) - marginPixels(margins.centreBottom, H);

  // Flush captions with a band run on to the canvas edge; the text stays at the inner end.
  const int flushWidth = band ? static_cast<int>(static_cast<double>(W) / 400.0 * 6.0 + w) : w;
  const double flushRight = W - flushWidth;
  switch (location) {
    case 0: return {flushWidth, 0, top, EastGravity, true};
    case 1: return {flushWidth, 0, bottom, EastGravity, true};
    case 2: return {flushWidth, flushRight, top, WestGravity, true};
    case 3: return {flushWidth, flushRight, bottom, WestGravity, true};
    case 5: return {w, left, top, CenterGravity, false};
    case 6: return {w, left, bottom, CenterGravity, false};
    case 7: return {w, right, top, CenterGravity, false};
    case 8: return {w, right, bottom, CenterGravity, false};
    default: return {w, double(W / 2 - w / 2), centreBottom, CenterGravity, false};
  }
}

}  // namespace pictavo
