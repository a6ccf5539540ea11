#include "effects/windowed_fill.h"

#include <algorithm>
#include <cmath>

#include "effects/pattern_fill.h"

namespace pictavo {
namespace {

// Antialiasing touches pixels up to one pixel outside a shape's edge; two keep clear of it.
constexpr double kEdgeMargin = 2;

PixelWindow clipToCanvas(const PixelWindow& w, long width, long height) {
  long x0 = std::max(w.x, 0L), y0 = std::max(w.y, 0L);
  long x1 = std::min(w.x + w.width, width), y1 = std::min(w.y + w.height, height);
  return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

PixelWindow windowAround(double x1, double y1, double x2, double y2, int width, int height) {
  long left = static_cast<long>(std::floor(std::min(x1, x2) - kEdgeMargin));
  long top = static_cast<long>(std::floor(std::min(y1, y2) - kEdgeMargin));
  long right = static_cast<long>(std::ceil(std::max(x1, x2) + kEdgeMargin));
  long bottom = static_cast<long>(std::ceil(std::max(y1, y2) + kEdgeMargin));
  return clipToCanvas({left, top, right - left + 1, bottom - top + 1}, width, height);
}

void WindowPath::moveTo(double x, double y) { DrawPathMoveToAbsolute(drawing_, x - dx_, y - dy_); }

void WindowPath::lineTo(double x, double y) { DrawPathLineToAbsolute(drawing_, x - dx_, y - dy_); }

void WindowPath::arcTo(double r, double x, double y) {
  DrawPathEllipticArcAbsolute(drawing_, r, r, 0, MagickFalse, MagickTrue, x - dx_, y - dy_);
}

void fillShapeInWindow(MagickWand* target, MagickWand* source, const PixelWindow& window,
                       const std::function<void(WindowPath&)>& addPath) {
  const PixelWindow w = clipToCanvas(window, static_cast<long>(MagickGetImageWidth(target)),
                                     static_cast<long>(MagickGetImageHeight(target)));
  if (w.empty()) return;
  const size_t width = static_cast<size_t>(w.width), height = static_cast<size_t>(w.height);
  WandPtr part(MagickGetImageRegion(target, width, height, w.x, w.y));
  WandPtr fill(MagickGetImageRegion(source, width, height, w.x, w.y));
  if (!part || !fill) return;
  MagickSetImagePage(part.get(), 0, 0, 0, 0);
  MagickSetImagePage(fill.get(), 0, 0, 0, 0);
  fillPathWithPicture(part.get(), fill.get(), [&](DrawingWand* drawing) {
    WindowPath path(drawing, w);
    addPath(path);
  });
  MagickCompositeImage(target, part.get(), CopyCompositeOp, w.x, w.y);
}

void fillRectangleInWindow(MagickWand* target, MagickWand* source, const PixelWindow& window,
                           double x1, double y1, double x2, double y2) {
  fillShapeInWindow(target, source, window, [&](WindowPath& path) {
    path.moveTo(x1, y1);
    path.lineTo(x2, y1);
    path.lineTo(x2, y2);
    path.lineTo(x1, y2);
  });
}

}  // namespace pictavo
