#include <gtest/gtest.h>

#include "effects/pattern_fill.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using test::near;
using test::pixelAt;

std::string vectorGraphics(DrawingWand* drawing) {
  MagickText mvg(DrawGetVectorGraphics(drawing));
  return mvg ? mvg.get() : "";
}

TEST(PieSlice, LargeArcFlagFollowsTheUnroundedAngles) {
  DrawingPtr half(NewDrawingWand());
  drawPieSlice(half.get(), 50, 50, 40, 0, 180);
  EXPECT_NE(vectorGraphics(half.get()).find("A40 40 0 1 1"), std::string::npos) << vectorGraphics(half.get());
  DrawingPtr less(NewDrawingWand());
  drawPieSlice(less.get(), 50, 50, 40, 0.1, 180);
  EXPECT_NE(vectorGraphics(less.get()).find("A40 40 0 0 1"), std::string::npos) << vectorGraphics(less.get());
}

// Slices filled with a green picture over red: 0..90 degrees is the lower right quarter,
// 0..270 leaves only the upper right quarter red.
TEST(PieSlice, FillsTheClockwiseSlice) {
  WandPtr green = test::solidPicture(100, 100, "#00ff00");
  const test::Rgb red{255, 0, 0}, grn{0, 255, 0};
  struct Case {
    double end;
    bool lowerRight, lowerLeft, upperLeft, upperRight;
  } cases[] = {{90, true, false, false, false}, {180, true, true, false, false},
               {270, true, true, true, false}};
  for (const Case& c : cases) {
    WandPtr canvas = test::solidPicture(100, 100, "#ff0000");
    DrawingPtr drawing(NewDrawingWand());
    drawPieSlice(drawing.get(), 50, 50, 45, 0, c.end);
    drawWithPicturePattern(canvas.get(), green.get(), drawing.get());
    EXPECT_TRUE(near(pixelAt(canvas.get(), 70, 70), c.lowerRight ? grn : red)) << c.end;
    EXPECT_TRUE(near(pixelAt(canvas.get(), 30, 70), c.lowerLeft ? grn : red)) << c.end;
    EXPECT_TRUE(near(pixelAt(canvas.get(), 30, 30), c.upperLeft ? grn : red)) << c.end;
    EXPECT_TRUE(near(pixelAt(canvas.get(), 70, 30), c.upperRight ? grn : red)) << c.end;
    EXPECT_TRUE(near(pixelAt(canvas.get(), 2, 2), red)) << c.end;  // outside the disc
  }
}

TEST(PatternFill, RectanglesAnywhereTakeThePixelsAtTheirPlace) {
  WandPtr picture = test::coordinatePicture(200, 120);
  WandPtr canvas = test::solidPicture(200, 120, "#0000ff");
  fillRectanglesWithPicture(canvas.get(), picture.get(),
                            {{0, 0, 40, 30}, {200, 120, 150, 90}, {200, 0, 150, 30}});
  EXPECT_TRUE(near(pixelAt(canvas.get(), 20, 20), {20, 20, 0}, 1));
  EXPECT_TRUE(near(pixelAt(canvas.get(), 170, 100), {170, 100, 0}, 1));
  EXPECT_TRUE(near(pixelAt(canvas.get(), 199, 10), {199, 10, 0}, 1));
  EXPECT_TRUE(near(pixelAt(canvas.get(), 100, 60), {0, 0, 255}, 0));
}

TEST(PatternFill, TakesThePicturePixelsAtTheSamePlace) {
  WandPtr picture = test::coordinatePicture(120, 80);
  WandPtr canvas = test::solidPicture(120, 80, "#0000ff");
  fillPathWithPicture(canvas.get(), picture.get(), [](DrawingWand* d) {
    DrawPathMoveToAbsolute(d, 10, 10);
    DrawPathLineToAbsolute(d, 110, 10);
    DrawPathLineToAbsolute(d, 110, 70);
    DrawPathLineToAbsolute(d, 10, 70);
  });
  EXPECT_TRUE(near(pixelAt(canvas.get(), 57, 33), {57, 33, 0}, 1));
  EXPECT_TRUE(near(pixelAt(canvas.get(), 105, 65), {105, 65, 0}, 1));
  EXPECT_TRUE(near(pixelAt(canvas.get(), 5, 5), {0, 0, 255}, 0));
  EXPECT_TRUE(near(pixelAt(canvas.get(), 115, 75), {0, 0, 255}, 0));
}

}  // namespace
}  // namespace pictavo
