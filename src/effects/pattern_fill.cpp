#include "effects/pattern_fill.h"

#include <cmath>
#include <string>

#include "effects/pattern_origin.h"

namespace pictavo {
namespace {

// An empty sub-path just outside the canvas's top-left corner: it pulls a path's bounds to
// the canvas origin without covering any pixel. Used for the rare path whose anchor cannot
// be computed exactly; it costs time, as the library then scans from the origin.
constexpr const char* kOriginAnchor = "M-2 -2L-2 -1Z";

// The path primitives of a drawing's MVG text ("path '...'"), their data only.
std::vector<std::string> pathPrimitives(const char* mvg) {
  std::vector<std::string> paths;
  std::string text = mvg ? mvg : "";
  for (size_t at = text.find("path '"); at != std::string::npos; at = text.find("path '", at)) {
    size_t begin = at + 6, end = text.find('\'', begin);
    if (end == std::string::npos) break;
    paths.push_back(text.substr(begin, end - begin));
    at = end + 1;
  }
  return paths;
}

// Draws one path with the pattern lined up with the canvas. The library reads a fill
// pattern relative to the corner of the shape's widened bounds, so the pattern's tile offset
// is set to that corner for the call and restored afterwards.
void drawPath(Image* target, Image* pattern, DrawInfo* settings, const std::string& data) {
  std::optional<PatternOrigin> origin = patternOrigin(data);
  std::string primitive = "path '" + (origin ? data : kOriginAnchor + data) + "'";
  if (!origin) origin = PatternOrigin{};
  RectangleInfo saved = pattern->tile_offset;
  pattern->tile_offset.x = origin->x;
  pattern->tile_offset.y = origin->y;
  char* drawingText = settings->primitive;
  settings->primitive = primitive.data();
  DrawImage(target, settings);
  settings->primitive = drawingText;
  pattern->tile_offset = saved;
}

}  // namespace

void drawWithPicturePattern(MagickWand* target, MagickWand* source, DrawingWand* drawing) {
  DrawInfo* settings = PeekDrawingWand(drawing);
  Image* pattern = GetImageFromMagickWand(source);
  // The pattern is the source's own image, borrowed for the DrawImage calls.
  settings->fill_pattern = pattern;
  for (const std::string& path : pathPrimitives(settings->primitive))
    drawPath(GetImageFromMagickWand(target), pattern, settings, path);
  settings->fill_pattern = nullptr;
  DestroyDrawInfo(settings);
}

void fillPathWithPicture(MagickWand* target, MagickWand* source,
                         const std::function<void(DrawingWand*)>& addPathCommands) {
  DrawingPtr drawing(NewDrawingWand());
  DrawPathStart(drawing.get());
  addPathCommands(drawing.get());
  DrawPathClose(drawing.get());
  DrawPathFinish(drawing.get());
  drawWithPicturePattern(target, source, drawing.get());
}

void fillRectanglesWithPicture(MagickWand* target, MagickWand* source,
                               const std::vector<Rectangle>& rectangles) {
  // Each rectangle is its own path, so each keeps bounds of its own size.
  DrawingPtr drawing(NewDrawingWand());
  for (const Rectangle& r : rectangles) {
    DrawPathStart(drawing.get());
    DrawPathMoveToAbsolute(drawing.get(), r.x1, r.y1);
    DrawPathLineToAbsolute(drawing.get(), r.x2, r.y1);
    DrawPathLineToAbsolute(drawing.get(), r.x2, r.y2);
    DrawPathLineToAbsolute(drawing.get(), r.x1, r.y2);
    DrawPathClose(drawing.get());
    DrawPathFinish(drawing.get());
  }
  drawWithPicturePattern(target, source, drawing.get());
}

void drawPieSlice(DrawingWand* drawing, double cx, double cy, double r, double start, double end) {
  const double kPi = 3.1415926;
  double startRad = static_cast<float>(start) / 180.0 * kPi;
  double endRad = static_cast<float>(end) / 180.0 * kPi;
  double sx = cx + r * std::cos(startRad), sy = cy + r * std::sin(startRad);
  double ex = cx + r * std::cos(endRad), ey = cy + r * std::sin(endRad);
  MagickBooleanType largeArc = end - start >= 180 ? MagickTrue : MagickFalse;
  DrawPathStart(drawing);
  DrawPathMoveToAbsolute(drawing, cx, cy);
  DrawPathLineToAbsolute(drawing, ex, ey);
  DrawPathMoveToAbsolute(drawing, cx, cy);
  DrawPathLineToAbsolute(drawing, sx, sy);
  DrawPathEllipticArcAbsolute(drawing, r, r, 0, largeArc, MagickTrue, ex, ey);
  DrawPathClose(drawing);
  DrawPathFinish(drawing);
}

}  // namespace pictavo
