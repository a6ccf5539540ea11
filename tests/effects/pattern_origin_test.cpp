// Pattern fills land the picture's pixels at their own positions for every kind of shape the
// effects draw: polygons anywhere on the canvas, pie slices, and corner arcs.
#include <gtest/gtest.h>

#include <random>

#include "effects/pattern_fill.h"
#include "effects/pattern_origin.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

constexpr int kW = 256, kH = 200;

// Where the shape covers pixels fully, the filled canvas must show the picture's pixel at
// that place; where it covers nothing, the canvas is unchanged. Coverage comes from drawing
// the same shape in plain white on black.
void expectPictureInPlace(const std::function<void(DrawingWand*)>& shape, const std::string& what) {
  WandPtr picture = test::coordinatePicture(kW, kH);
  WandPtr canvas = test::solidPicture(kW, kH, "#0000ff");
  WandPtr mask = test::solidPicture(kW, kH, "#000000");
  {
    DrawingPtr drawing(NewDrawingWand());
    shape(drawing.get());
    drawWithPicturePattern(canvas.get(), picture.get(), drawing.get());
  }
  {
    DrawingPtr drawing(NewDrawingWand());
    PixelPtr white = makePixel("#ffffff");
    DrawSetFillColor(drawing.get(), white.get());
    shape(drawing.get());
    MagickDrawImage(mask.get(), drawing.get());
  }
  std::vector<unsigned char> got(kW * kH * 3), cover(kW * kH);
  MagickExportImagePixels(canvas.get(), 0, 0, kW, kH, "RGB", CharPixel, got.data());
  MagickExportImagePixels(mask.get(), 0, 0, kW, kH, "R", CharPixel, cover.data());
  int full = 0, wrong = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const unsigned char* p = &got[(y * kW + x) * 3];
      unsigned char c = cover[y * kW + x];
      if (c == 255) {
        ++full;
        wrong += (p[0] != x || p[1] != y || p[2] != 0);
      } else if (c == 0) {
        wrong += (p[0] != 0 || p[1] != 0 || p[2] != 255);
      }
    }
  EXPECT_EQ(wrong, 0) << what;
  EXPECT_GT(full, 0) << what;
}

TEST(PatternFillPlacement, RandomPolygonsAnywhere) {
  std::mt19937 random(12345);
  std::uniform_real_distribution<double> px(-20, kW + 20), py(-20, kH + 20);
  for (int n = 0; n < 40; ++n) {
    double x[4], y[4];
    for (int i = 0; i < 4; ++i) {
      x[i] = px(random);
      y[i] = py(random);
    }
    expectPictureInPlace(
        [&](DrawingWand* d) {
          DrawPathStart(d);
          DrawPathMoveToAbsolute(d, x[0], y[0]);
          for (int i = 1; i < 4; ++i) DrawPathLineToAbsolute(d, x[i], y[i]);
          DrawPathClose(d);
          DrawPathFinish(d);
        },
        "polygon " + std::to_string(n));
  }
}

TEST(PatternFillPlacement, PieSlicesOfEverySize) {
  std::mt19937 random(777);
  std::uniform_real_distribution<double> angle(0, 360), span(1, 359), radius(10, 200);
  for (int n = 0; n < 40; ++n) {
    double start = angle(random), extent = span(random), r = radius(random);
    expectPictureInPlace([&](DrawingWand* d) { drawPieSlice(d, kW / 2, kH / 2, r, start, start + extent); },
                         "slice " + std::to_string(n));
  }
}

TEST(PatternFillPlacement, SeveralPathsInOneDrawing) {
  expectPictureInPlace(
      [](DrawingWand* d) {
        drawPieSlice(d, 128, 100, 160, 270, 300);
        drawPieSlice(d, 128, 100, 160, 0, 30);
        drawPieSlice(d, 128, 100, 160, 90, 120);
        drawPieSlice(d, 128, 100, 160, 180, 210);
      },
      "four blades");
}

TEST(PatternFillPlacement, CornerArcs) {
  for (double r : {30.0, 90.0, 150.0}) {
    for (bool sweep : {true, false}) {
      expectPictureInPlace(
          [&](DrawingWand* d) {
            DrawPathStart(d);
            DrawPathMoveToAbsolute(d, kW - r, 0);
            DrawPathLineToAbsolute(d, kW, r);
            DrawPathEllipticArcAbsolute(d, r, r, 0, MagickFalse, sweep ? MagickTrue : MagickFalse, kW, 0);
            DrawPathClose(d);
            DrawPathFinish(d);
          },
          "corner arc r=" + std::to_string(r));
    }
  }
}

TEST(PatternOrigin, ReadsTheBoundsOfAPath) {
  PatternOrigin o = patternOrigin("M10 10L200 10 200 200 10 200Z").value();
  EXPECT_EQ(o.x, 8);
  EXPECT_EQ(o.y, 8);
  o = patternOrigin("M50.5 60L200 60L200 200Z").value();
  EXPECT_EQ(o.x, 49);
  EXPECT_EQ(o.y, 58);
  o = patternOrigin("M-5 3L20 3L20 40Z").value();
  EXPECT_EQ(o.x, 0);
  EXPECT_EQ(o.y, 1);
  // A circle's left extreme inside the canvas decides the bounds: not exact, so nothing.
  EXPECT_FALSE(patternOrigin("M100 50A30 30 0 1 1 100 49.9Z").has_value());
  EXPECT_FALSE(patternOrigin("Q1 2 3 4").has_value());
}

}  // namespace
}  // namespace pictavo
