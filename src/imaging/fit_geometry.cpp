#include "imaging/fit_geometry.h"

namespace pictavo {
namespace {

// round() of the fitting rule: the truncated value plus 1 when the fraction is 0.5 or more.
long roundHalfUp(float value) {
  long whole = static_cast<long>(value);
  return value - static_cast<float>(whole) >= 0.5f ? whole + 1 : whole;
}

// The shrunk size of a w x h picture that is larger than the W x H canvas.
void shrunkSize(long W, long H, long w, long h, long* newW, long* newH) {
  float heightRatio = static_cast<float>(static_cast<double>(H) / static_cast<double>(h));
  long sw = roundHalfUp(heightRatio * static_cast<float>(w));
  if (sw < W) {
    *newW = sw > 0 ? sw : 1;
    *newH = H;
    return;
  }
  float widthRatio = static_cast<float>(static_cast<double>(W) / static_cast<double>(w));
  long sh = roundHalfUp(static_cast<float>(h) * widthRatio);
  *newW = W;
  *newH = sh > 0 ? sh : 1;
}

}  // namespace

FitPlacement fitPlacement(int canvasWidth, int canvasHeight, long pictureWidth, long pictureHeight) {
  FitPlacement place;
  place.width = pictureWidth;
  place.height = pictureHeight;
  if (pictureWidth > canvasWidth || pictureHeight > canvasHeight)
    shrunkSize(canvasWidth, canvasHeight, pictureWidth, pictureHeight, &place.width, &place.height);
  place.x = (canvasWidth - place.width) / 2;
  place.y = (canvasHeight - place.height) / 2;
  return place;
}

}  // namespace pictavo
