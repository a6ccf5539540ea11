// Where the view of a picture lies while it stays on screen: the part of the picture shown
// (a rectangle in picture pixels, sub-pixel) at rest for each framing, and how that part
// travels over the stay for each motion. Pure geometry, so the travel is easy to check.
#pragma once

#include <vector>

namespace pictavo {

// A picture's motion over its stay. Stored in project files by these numbers.
enum class Motion { Off = 0, Auto, ZoomIn, ZoomOut, PanLeft, PanRight, PanUp, PanDown };
inline constexpr int kMotionCount = 8;

// How a picture meets the frame: fitted inside it on the background colour (as always), cut
// to cover it, or fitted over a blurred, darkened copy of itself. Stored by these numbers.
enum class Framing { Fit = 0, Fill, Blur };
inline constexpr int kFramingCount = 3;

// How far a motion travels, in percent of the picture's view.
inline constexpr int kDefaultMotionStrength = 10;
inline constexpr int kMinMotionStrength = 4;
inline constexpr int kMaxMotionStrength = 20;

struct ViewRect {
  double x = 0, y = 0, width = 0, height = 0;
  bool operator==(const ViewRect&) const = default;
};

// A face (or any part worth keeping in view) as fractions of the picture's width and height.
struct FaceBox {
  double x = 0, y = 0, width = 0, height = 0;
  bool operator==(const FaceBox&) const = default;
};

// The picture part shown at rest on a viewWidth x viewHeight area, for a picture of
// pictureWidth x pictureHeight. Fit and blur show the whole picture. Fill shows the largest
// part of the area's proportions, placed so that the faces (with a margin) stay inside when
// they fit, else centred on them; without faces it is centred.
ViewRect restView(Framing framing, double pictureWidth, double pictureHeight, double viewWidth,
                  double viewHeight, const std::vector<FaceBox>& faces);

// The faces a view of `width` x `height` (fractions of the picture) can hold together: the
// largest, then each next one, largest first, whose box with those kept, margin included,
// still fits. People too far apart for a tall cut then keep the largest face whole rather
// than the gap between them.
std::vector<FaceBox> facesThatFit(const std::vector<FaceBox>& faces, double width, double height);

// The middle of the faces' bounding box in picture pixels, or the picture's centre.
void focusPoint(const std::vector<FaceBox>& faces, double pictureWidth, double pictureHeight,
                double* x, double* y);

// The view's travel: from `start` at t = 0 to `end` at t = 1 at constant speed.
struct MotionPath {
  ViewRect start, end;
  ViewRect at(double t) const;
  bool moves() const { return !(start == end); }
};

// The travel of `motion` (never Auto: callers choose zoom in or out) from the rest view.
// strength is a fraction (0.1 for 10 %). Zooms narrow the view by that fraction towards the
// focus point; pans show the rest view narrowed by that fraction and move it across that
// fraction of the rest view. Every view lies inside the picture.
MotionPath motionPath(Motion motion, double strength, const ViewRect& rest, double pictureWidth,
                      double pictureHeight, double focusX, double focusY);

}  // namespace pictavo
