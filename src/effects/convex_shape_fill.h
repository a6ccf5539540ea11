// Picture-filled shapes made of convex pieces (circles, diamonds, triangles), drawn quickly:
// pixels well inside a piece take the source picture's pixels directly, and the image
// library draws only bands along the edges. The pixels are those a fill of the whole canvas
// gives.
#pragma once

#include <functional>
#include <vector>

#include "effects/windowed_fill.h"

namespace pictavo {

struct ShapePoint {
  double x, y;
};

// A convex piece of a shape: the rows it reaches, the rows where its left or right end is
// furthest out, and its span on any row (false on a row it does not reach).
struct ConvexPiece {
  double top = 0, bottom = 0;
  std::vector<double> turningRows;
  std::function<bool(double y, double* left, double* right)> span;
};

// A convex polygon with these corners, in either turning order.
ConvexPiece polygonPiece(std::vector<ShapePoint> corners);

ConvexPiece circlePiece(double cx, double cy, double radius);

// Fills the closed path that addPath makes with `source` onto `target`. The path must be the
// union of `pieces`, which do not overlap one another.
void fillConvexShape(MagickWand* target, MagickWand* source,
                     const std::vector<ConvexPiece>& pieces,
                     const std::function<void(WindowPath&)>& addPath);

}  // namespace pictavo
