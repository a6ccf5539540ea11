// Filling a shape of convex pieces band by band gives the pixels of one fill over the whole
// canvas, edges and their antialiasing included, to the last of 16 bits, also when the same
// canvas is drawn on again.
#include <gtest/gtest.h>

#include <vector>

#include "effects/convex_shape_fill.h"
#include "effects/pattern_fill.h"
#include "support/effect_probe.h"

namespace pictavo {
namespace {

std::vector<unsigned short> samples(MagickWand* wand) {
  size_t w = MagickGetImageWidth(wand), h = MagickGetImageHeight(wand);
  std::vector<unsigned short> out(w * h * 3);
  MagickExportImagePixels(wand, 0, 0, w, h, "RGB", ShortPixel, out.data());
  return out;
}

// A circle (no polygons) or polygons; polygons grow about (400, 250).
struct Shape {
  const char* name;
  std::vector<std::vector<ShapePoint>> polygons;
  double cx = 0, cy = 0, radius = 0;
};

struct Step {
  enum Kind { Move, Line, Arc } kind;
  double x, y, r = 0;
};

// The shape's path, grown by `by`: circles as four quarter arcs, polygons closed.
std::vector<Step> pathOf(const Shape& s, double by) {
  const double r = s.radius * by;
  if (s.polygons.empty())
    return {{Step::Move, s.cx + r, s.cy}, {Step::Arc, s.cx, s.cy + r, r},
            {Step::Arc, s.cx - r, s.cy, r}, {Step::Arc, s.cx, s.cy - r, r},
            {Step::Arc, s.cx + r, s.cy, r}};
  std::vector<Step> steps;
  for (const auto& corners : s.polygons)
    for (size_t i = 0; i <= corners.size(); ++i) {
      const ShapePoint& p = corners[i % corners.size()];
      steps.push_back({i == 0 ? Step::Move : Step::Line, 400 + (p.x - 400) * by,
                       250 + (p.y - 250) * by});
    }
  return steps;
}

std::vector<ConvexPiece> piecesOf(const Shape& s, double by) {
  if (s.polygons.empty()) return {circlePiece(s.cx, s.cy, s.radius * by)};
  std::vector<ConvexPiece> pieces;
  for (auto corners : s.polygons) {
    for (ShapePoint& p : corners) p = {400 + (p.x - 400) * by, 250 + (p.y - 250) * by};
    pieces.push_back(polygonPiece(corners));
  }
  return pieces;
}

TEST(ConvexShapeFill, GivesThePixelsOfAFillOverTheWholeCanvas) {
  const Shape shapes[] = {
      {"small circle", {}, 400, 250, 3.3},
      {"circle", {}, 400, 250, 180.7},
      {"circle larger than the canvas", {}, 400, 250, 460.2},
      {"circle off centre", {}, 13.5, 470.25, 95.5},
      {"diamond", {{{400, 137.5}, {200, 250}, {400, 362.5}, {600, 250}}}},
      {"diamond past the edges", {{{400, -180}, {-300, 250}, {400, 680}, {1100, 250}}}},
      {"four wedges",
       {{{400, 211}, {70, 0}, {730, 0}}, {{330, 250}, {0, 39}, {0, 461}},
        {{400, 289}, {70, 500}, {730, 500}}, {{470, 250}, {800, 39}, {800, 461}}}},
      {"thin triangle", {{{10.5, 10.25}, {790.75, 30.5}, {20.25, 33.75}}}},
  };
  WandPtr source = test::markedPicture(800, 500, 40);
  for (const Shape& shape : shapes) {
    WandPtr whole = test::markedPicture(800, 500, 200), banded = test::markedPicture(800, 500, 200);
    for (double by : {1.0, 1.07, 1.21}) {  // growing draws on the same canvas
      const std::vector<Step> steps = pathOf(shape, by);
      fillPathWithPicture(whole.get(), source.get(), [&](DrawingWand* d) {
        for (const Step& s : steps) {
          if (s.kind == Step::Move) DrawPathMoveToAbsolute(d, s.x, s.y);
          if (s.kind == Step::Line) DrawPathLineToAbsolute(d, s.x, s.y);
          if (s.kind == Step::Arc)
            DrawPathEllipticArcAbsolute(d, s.r, s.r, 0, MagickFalse, MagickTrue, s.x, s.y);
        }
      });
      fillConvexShape(banded.get(), source.get(), piecesOf(shape, by), [&](WindowPath& path) {
        for (const Step& s : steps) {
          if (s.kind == Step::Move) path.moveTo(s.x, s.y);
          if (s.kind == Step::Line) path.lineTo(s.x, s.y);
          if (s.kind == Step::Arc) path.arcTo(s.r, s.x, s.y);
        }
      });
    }
    EXPECT_TRUE(samples(whole.get()) == samples(banded.get())) << shape.name;
  }
}

}  // namespace
}  // namespace pictavo
