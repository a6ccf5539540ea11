#include "effects/pattern_fill.h"

#include <cmath>

namespace pictavo {
namespace {

// The image library reads a fill pattern relative to the top-left corner of the shape's
// bounds (less a pixel or two for antialiasing), not the canvas. An empty sub-path just
// outside the canvas's top-left corner pulls those bounds to the canvas origin, so every
// pixel of the shape takes the source pixel at its own position. It covers no pixel.
void anchorPatternAtCanvasOrigin(DrawingWand* drawing) {
  DrawPathMoveToAbsolute(drawing, -2, -2);
  DrawPathLineToAbsolute(drawing, -2, -1);
  DrawPathClose(drawing);
}

}  // namespace

void drawWithPicturePattern(MagickWand* target, MagickWand* source, DrawingWand* drawing) {
  DrawInfo* settings = PeekDrawingWand(drawing);
  // The pattern is the source's own image, borrowed for the one DrawImage call.
  settings->fill_pattern = GetImageFromMagickWand(source);
  DrawImage(GetImageFromMagickWand(target), settings);
  settings->fill_pattern = nullptr;
  DestroyDrawInfo(settings);
}

void fillPathWithPicture(MagickWand* target, MagickWand* source,
                         const std::function<void(DrawingWand*)>& addPathCommands) {
  DrawingPtr drawing(NewDrawingWand());
  DrawPathStart(drawing.get());
  anchorPatternAtCanvasOrigin(drawing.get());
  addPathCommands(drawing.get());
  DrawPathClose(drawing.get());
  DrawPathFinish(drawing.get());
  drawWithPicturePattern(target, source, drawing.get());
}

void fillRectanglesWithPicture(MagickWand* target, MagickWand* source,
                               const std::vector<Rectangle>& rectangles) {
  fillPathWithPicture(target, source, [&](DrawingWand* d) {
    for (const Rectangle& r : rectangles) {
      DrawPathMoveToAbsolute(d, r.x1, r.y1);
      DrawPathLineToAbsolute(d, r.x2, r.y1);
      DrawPathLineToAbsolute(d, r.x2, r.y2);
      DrawPathLineToAbsolute(d, r.x1, r.y2);
      DrawPathClose(d);
    }
  });
}

void drawPieSlice(DrawingWand* drawing, double cx, double cy, double r, double start, double end) {
  const double kPi = 3.1415926;
  double startRad = static_cast<float>(start) / 180.0 * kPi;
  double endRad = static_cast<float>(end) / 180.0 * kPi;
  double sx = cx + r * std::cos(startRad), sy = cy + r * std::sin(startRad);
  double ex = cx + r * std::cos(endRad), ey = cy + r * std::sin(endRad);
  MagickBooleanType largeArc = end - start >= 180 ? MagickTrue : MagickFalse;
  DrawPathStart(drawing);
  anchorPatternAtCanvasOrigin(drawing);
  DrawPathMoveToAbsolute(drawing, cx, cy);
  DrawPathLineToAbsolute(drawing, ex, ey);
  DrawPathMoveToAbsolute(drawing, cx, cy);
  DrawPathLineToAbsolute(drawing, sx, sy);
  DrawPathEllipticArcAbsolute(drawing, r, r, 0, largeArc, MagickTrue, ex, ey);
  DrawPathClose(drawing);
  DrawPathFinish(drawing);
}

}  // namespace pictavo
