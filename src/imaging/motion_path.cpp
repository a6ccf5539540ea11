#include "imaging/motion_path.h"

#include <algorithm>

namespace pictavo {
namespace {

// Space kept around the faces when a fill cuts the picture, as a share of the faces' box.
constexpr double kFaceMargin = 0.25;

double lerp(double a, double b, double t) { return a + (b - a) * t; }

// The rectangle moved (not resized) so that it lies inside the picture.
ViewRect keptInside(ViewRect r, double pictureWidth, double pictureHeight) {
  r.x = std::clamp(r.x, 0.0, std::max(0.0, pictureWidth - r.width));
  r.y = std::clamp(r.y, 0.0, std::max(0.0, pictureHeight - r.height));
  return r;
}

ViewRect centredOn(double cx, double cy, double width, double height) {
  return {cx - width / 2, cy - height / 2, width, height};
}

// The box around two boxes.
FaceBox joined(const FaceBox& a, const FaceBox& b) {
  const double left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  const double right = std::max(a.x + a.width, b.x + b.width);
  const double bottom = std::max(a.y + a.height, b.y + b.height);
  return {left, top, right - left, bottom - top};
}

}  // namespace

std::vector<FaceBox> facesThatFit(const std::vector<FaceBox>& faces, double width, double height) {
  std::vector<FaceBox> byArea = faces;
  std::stable_sort(byArea.begin(), byArea.end(), [](const FaceBox& a, const FaceBox& b) {
    return a.width * a.height > b.width * b.height;
  });
  std::vector<FaceBox> kept;
  FaceBox box{};
  for (const FaceBox& f : byArea) {
    FaceBox grown = kept.empty() ? f : joined(box, f);
    const bool fits = grown.width * (1 + kFaceMargin) <= width && grown.height * (1 + kFaceMargin) <= height;
    if (!kept.empty() && !fits) continue;
    kept.push_back(f);
    box = grown;
  }
  return kept;
}

void focusPoint(const std::vector<FaceBox>& faces, double pictureWidth, double pictureHeight,
                double* x, double* y) {
  if (faces.empty()) {
    *x = pictureWidth / 2;
    *y = pictureHeight / 2;
    return;
  }
  double left = 1, top = 1, right = 0, bottom = 0;
  for (const FaceBox& f : faces) {
    left = std::min(left, f.x);
    top = std::min(top, f.y);
    right = std::max(right, f.x + f.width);
    bottom = std::max(bottom, f.y + f.height);
  }
  *x = (left + right) / 2 * pictureWidth;
  *y = (top + bottom) / 2 * pictureHeight;
}

ViewRect restView(Framing framing, double pictureWidth, double pictureHeight, double viewWidth,
                  double viewHeight, const std::vector<FaceBox>& faces) {
  ViewRect whole{0, 0, pictureWidth, pictureHeight};
  if (framing != Framing::Fill || viewWidth <= 0 || viewHeight <= 0) return whole;
  const double aspect = viewWidth / viewHeight;
  double width = pictureWidth, height = pictureHeight;
  if (pictureWidth / pictureHeight > aspect)
    width = pictureHeight * aspect;
  else
    height = pictureWidth / aspect;
  double cx = pictureWidth / 2, cy = pictureHeight / 2;
  if (!faces.empty()) {
    focusPoint(faces, pictureWidth, pictureHeight, &cx, &cy);
    // A little above the faces' middle, so that heads keep their room above more than chins.
    double top = 1, bottom = 0;
    for (const FaceBox& f : faces) {
      top = std::min(top, f.y);
      bottom = std::max(bottom, f.y + f.height);
    }
    cy -= (bottom - top) * kFaceMargin / 2 * pictureHeight;
  }
  return keptInside(centredOn(cx, cy, width, height), pictureWidth, pictureHeight);
}

ViewRect MotionPath::at(double t) const {
  t = std::clamp(t, 0.0, 1.0);
  return {lerp(start.x, end.x, t), lerp(start.y, end.y, t), lerp(start.width, end.width, t),
          lerp(start.height, end.height, t)};
}

MotionPath motionPath(Motion motion, double strength, const ViewRect& rest, double pictureWidth,
                      double pictureHeight, double focusX, double focusY) {
  const double keep = 1 - strength;
  const double width = rest.width * keep, height = rest.height * keep;
  const double cx = rest.x + rest.width / 2, cy = rest.y + rest.height / 2;
  const double dx = rest.width * strength / 2, dy = rest.height * strength / 2;
  auto inside = [&](ViewRect r) { return keptInside(r, pictureWidth, pictureHeight); };
  switch (motion) {
    case Motion::ZoomIn:
      return {rest, inside(centredOn(focusX, focusY, width, height))};
    case Motion::ZoomOut:
      return {inside(centredOn(focusX, focusY, width, height)), rest};
    case Motion::PanLeft:
      return {inside(centredOn(cx + dx, cy, width, height)), inside(centredOn(cx - dx, cy, width, height))};
    case Motion::PanRight:
      return {inside(centredOn(cx - dx, cy, width, height)), inside(centredOn(cx + dx, cy, width, height))};
    case Motion::PanUp:
      return {inside(centredOn(cx, cy + dy, width, height)), inside(centredOn(cx, cy - dy, width, height))};
    case Motion::PanDown:
      return {inside(centredOn(cx, cy - dy, width, height)), inside(centredOn(cx, cy + dy, width, height))};
    case Motion::Off:
    case Motion::Auto:
      break;
  }
  return {rest, rest};
}

}  // namespace pictavo
