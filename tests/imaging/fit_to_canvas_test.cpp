#include <gtest/gtest.h>

#include "imaging/image.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using test::near;
using test::pixelAt;
using test::Rgb;

struct FitCase {
  int pictureW, pictureH, canvasW, canvasH;
  int expectW, expectH, expectX, expectY;
};

class FitToCanvas : public testing::TestWithParam<FitCase> {};

// A red picture on a black canvas: the red rectangle's bounds give the fitted size and place.
TEST_P(FitToCanvas, SizesAndPlacesThePicture) {
  const FitCase& c = GetParam();
  WandPtr picture = test::solidPicture(c.pictureW, c.pictureH, "#ff0000");
  WandPtr canvas = fitToCanvas(c.canvasW, c.canvasH, picture.get(), "#000000");
  ASSERT_EQ(MagickGetImageWidth(canvas.get()), static_cast<size_t>(c.canvasW));
  ASSERT_EQ(MagickGetImageHeight(canvas.get()), static_cast<size_t>(c.canvasH));
  EXPECT_EQ(MagickGetImageWidth(picture.get()), static_cast<size_t>(c.expectW));
  EXPECT_EQ(MagickGetImageHeight(picture.get()), static_cast<size_t>(c.expectH));
  const Rgb red{255, 0, 0}, black{0, 0, 0};
  EXPECT_TRUE(near(pixelAt(canvas.get(), c.expectX, c.expectY), red));
  EXPECT_TRUE(near(pixelAt(canvas.get(), c.expectX + c.expectW - 1, c.expectY + c.expectH - 1), red));
  if (c.expectX > 0) {
    EXPECT_TRUE(near(pixelAt(canvas.get(), c.expectX - 1, c.expectY), black));
  }
  if (c.expectY > 0) {
    EXPECT_TRUE(near(pixelAt(canvas.get(), c.expectX, c.expectY - 1), black));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitToCanvas,
    testing::Values(FitCase{1280, 720, 1280, 720, 1280, 720, 0, 0},     // exact size
                    FitCase{1920, 1080, 1280, 720, 1280, 720, 0, 0},    // shrunk to the canvas
                    FitCase{1000, 2000, 400, 400, 200, 400, 100, 0},    // fills the height
                    FitCase{200, 100, 400, 400, 200, 100, 100, 150},    // never enlarged
                    FitCase{401, 1, 400, 400, 400, 1, 0, 199},          // width fitted, height 1
                    FitCase{3000, 1000, 1280, 720, 1280, 427, 0, 146}),  // fills the width
    [](const testing::TestParamInfo<FitCase>& info) {
      const FitCase& c = info.param;
      return std::to_string(c.pictureW) + "x" + std::to_string(c.pictureH) + "_on_" +
             std::to_string(c.canvasW) + "x" + std::to_string(c.canvasH);
    });

TEST(EncodeFrame, GivesJpegBytesAndLeavesTheFrameAlone) {
  WandPtr frame = test::solidPicture(64, 48, "#00ff00");
  ImageBlob jpeg = encodeFrame(frame.get());
  ASSERT_FALSE(jpeg.empty());
  EXPECT_EQ(jpeg.data()[0], 0xFF);
  EXPECT_EQ(jpeg.data()[1], 0xD8);
  WandPtr decoded = test::decode(jpeg.data(), jpeg.length);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(MagickGetImageWidth(decoded.get()), 64u);
  EXPECT_TRUE(near(pixelAt(decoded.get(), 10, 10), {0, 255, 0}, 12));
}

TEST(EncodeFrame, PreviewLogoShowsInTheBytesButNeverOnTheFrame) {
  WandPtr frame = test::solidPicture(64, 48, "#0000ff");
  WandPtr logo = test::solidPicture(16, 16, "#ffff00");
  PreviewLogo preview{logo.get(), 48, 32};
  ImageBlob withLogo = encodeFrame(frame.get(), &preview);
  WandPtr shown = test::decode(withLogo.data(), withLogo.length);
  ASSERT_TRUE(shown);
  EXPECT_TRUE(near(pixelAt(shown.get(), 56, 40), {255, 255, 0}, 16));
  EXPECT_TRUE(near(pixelAt(shown.get(), 8, 8), {0, 0, 255}, 16));
  // The frame itself is untouched, and encoding it again without a logo shows none.
  EXPECT_TRUE(near(pixelAt(frame.get(), 56, 40), {0, 0, 255}, 0));
  ImageBlob plain = encodeFrame(frame.get());
  WandPtr again = test::decode(plain.data(), plain.length);
  EXPECT_TRUE(near(pixelAt(again.get(), 56, 40), {0, 0, 255}, 16));
}

// Effects draw frame after frame onto one canvas: one that was all grey when it was
// encoded must still give colour bytes once colour is drawn on it.
TEST(EncodeFrame, AFrameThatWasGreyStillEncodesInColour) {
  for (const char* grey : {"#000000", "#808080"}) {
    WandPtr frame = newCanvas(64, 48, grey);
    ImageBlob first = encodeFrame(frame.get());
    WandPtr red = test::solidPicture(32, 24, "#ff0000");
    MagickCompositeImage(frame.get(), red.get(), OverCompositeOp, 0, 0);
    ImageBlob second = encodeFrame(frame.get());
    WandPtr shown = test::decode(second.data(), second.length);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(near(pixelAt(shown.get(), 8, 8), {255, 0, 0}, 16)) << grey;
  }
}

TEST(NewCanvas, IsFilledWithTheColour) {
  WandPtr canvas = newCanvas(10, 6, "#ffffff");
  EXPECT_EQ(MagickGetImageWidth(canvas.get()), 10u);
  EXPECT_EQ(MagickGetImageHeight(canvas.get()), 6u);
  EXPECT_TRUE(near(pixelAt(canvas.get(), 9, 5), {255, 255, 255}, 0));
}

}  // namespace
}  // namespace pictavo
