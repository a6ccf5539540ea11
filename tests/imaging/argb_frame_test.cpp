// Frames at 8 bits: conversion from and to the image library, JPEG from the surface, and
// the Lanczos resize measured against the image library's own.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "imaging/jpeg_frame.h"
#include "imaging/lanczos_scale.h"
#include "imaging/raw_frame.h"
#include "support/test_files.h"

namespace pictavo::test {
namespace {

// Largest difference of any channel between two same-sized wands, over the rectangle.
int largestDifference(MagickWand* a, MagickWand* b, long x0, long y0, long x1, long y1) {
  int worst = 0;
  for (long y = y0; y < y1; ++y)
    for (long x = x0; x < x1; ++x) {
      Rgb p = pixelAt(a, x, y), q = pixelAt(b, x, y);
      worst = std::max({worst, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
    }
  return worst;
}

TEST(ArgbFrame, ConvertsBothWaysWithoutLoss) {
  WandPtr picture = coordinatePicture(300, 200);
  SurfacePtr surface = surfaceFromWand(picture.get());
  EXPECT_EQ(cairo_image_surface_get_width(surface.get()), 300);
  WandPtr back = wandFromSurface(surface.get());
  EXPECT_EQ(MagickGetImageAlphaChannel(back.get()), MagickFalse);
  EXPECT_EQ(largestDifference(picture.get(), back.get(), 0, 0, 300, 200), 0);
}

TEST(ArgbFrame, PremultipliesTransparentPixels) {
  WandPtr half = solidPicture(4, 4, "rgba(200,100,50,0.5)");
  SurfacePtr surface = surfaceFromWand(half.get());
  cairo_surface_flush(surface.get());
  const uint32_t pixel = *reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface.get()));
  EXPECT_NEAR(static_cast<int>(pixel >> 24), 128, 1);
  EXPECT_NEAR(static_cast<int>((pixel >> 16) & 255), 100, 1);
  EXPECT_NEAR(static_cast<int>((pixel >> 8) & 255), 50, 1);
}

TEST(ArgbFrame, JpegIsTheFrameAtHalfResolutionChroma) {
  WandPtr picture = coordinatePicture(320, 180);
  SurfacePtr surface = surfaceFromWand(picture.get());
  ImageBlob bytes = encodeSurface(surface.get());
  ASSERT_FALSE(bytes.empty());
  WandPtr decoded = decode(bytes.data(), bytes.length);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(MagickGetImageWidth(decoded.get()), 320u);
  EXPECT_EQ(MagickGetImageHeight(decoded.get()), 180u);
  MagickText sampling(MagickGetImageProperty(decoded.get(), "jpeg:sampling-factor"));
  ASSERT_TRUE(sampling);
  EXPECT_STREQ(sampling.get(), "2x2,1x1,1x1");
  // Inside the picture, away from its edges and from the jump of red at x = 256.
  EXPECT_LE(largestDifference(picture.get(), decoded.get(), 8, 8, 248, 172), 12);
}

TEST(ArgbFrame, LanczosResizeMatchesTheImageLibrary) {
  struct Case {
    int fromW, fromH, toW, toH;
  } cases[] = {{320, 180, 452, 254}, {320, 180, 130, 73}, {600, 400, 120, 80}, {97, 61, 400, 250}};
  for (const Case& c : cases) {
    WandPtr picture = coordinatePicture(c.fromW, c.fromH);
    SurfacePtr source = surfaceFromWand(picture.get());
    SurfacePtr target = newSurface(c.toW, c.toH);
    drawLanczosScaled(target.get(), source.get(), 0, 0, c.toW, c.toH);
    WandPtr ours = wandFromSurface(target.get());
    MagickResizeImage(picture.get(), c.toW, c.toH, LanczosFilter, 1.0);
    // Away from the coordinate picture's wrap-around at 256, where both filters ring.
    int worst = largestDifference(picture.get(), ours.get(), 0, 0, std::min(c.toW, 150),
                                  std::min(c.toH, 150));
    EXPECT_LE(worst, 3) << c.fromW << "x" << c.fromH << " -> " << c.toW << "x" << c.toH;
  }
}

// A picture squeezed again and again in height alone, as the squeezes do: its columns keep
// their pixels, with no error piling up into seams.
TEST(ArgbFrame, RepeatedLanczosResizeKeepsAnAxisThatKeepsItsSize) {
  WandPtr picture = coordinatePicture(300, 200);
  SurfacePtr current = surfaceFromWand(picture.get());
  for (int height = 180; height >= 40; height -= 20) {
    SurfacePtr shrunk = newSurface(300, height);
    drawLanczosScaled(shrunk.get(), current.get(), 0, 0, 300, height);
    current = std::move(shrunk);
  }
  WandPtr ours = wandFromSurface(current.get());
  for (long x : {0L, 1L, 128L, 255L, 256L, 299L})
    EXPECT_EQ(pixelAt(ours.get(), x, 20).r, x % 256) << x;
}

// Ringing where clear meets stripes of opaque white and black must not give a colour above
// its pixel's alpha (the kernel's negative lobes on the black lower the alpha less than the
// colour), which premultiplied pixels cannot hold.
TEST(ArgbFrame, LanczosResizeKeepsColourWithinAlpha) {
  SurfacePtr source = newSurface(40, 30);
  CairoPtr cr = drawOn(source.get());
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgba(cr.get(), 0, 0, 0, 0);
  cairo_paint(cr.get());
  cairo_set_source_rgba(cr.get(), 0, 0, 0, 1);
  cairo_rectangle(cr.get(), 20, 0, 20, 30);
  cairo_fill(cr.get());
  cairo_set_source_rgba(cr.get(), 1, 1, 1, 1);
  for (int x = 20; x < 40; x += 4) cairo_rectangle(cr.get(), x, 0, 2, 30);
  cairo_fill(cr.get());
  cr.reset();
  for (int size : {17, 97}) {
    SurfacePtr target = newSurface(size, size);
    drawLanczosScaled(target.get(), source.get(), 0, 0, size, size);
    cairo_surface_flush(target.get());
    const int stride = cairo_image_surface_get_stride(target.get());
    const unsigned char* data = cairo_image_surface_get_data(target.get());
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
        for (int shift : {0, 8, 16})
          ASSERT_LE((p >> shift) & 255, p >> 24) << size << ": " << x << "," << y;
      }
  }
}

TEST(ArgbFrame, LanczosResizeCutsToTheTargetAndLeavesTheRest) {
  WandPtr picture = coordinatePicture(100, 100);
  SurfacePtr source = surfaceFromWand(picture.get());
  WandPtr white = solidPicture(100, 100, "#ffffff");
  SurfacePtr target = surfaceFromWand(white.get());
  drawLanczosScaled(target.get(), source.get(), 50, -100, 200, 200);  // the lower-left quarter
  WandPtr result = wandFromSurface(target.get());
  EXPECT_TRUE(near(pixelAt(result.get(), 49, 50), {255, 255, 255}, 0));
  EXPECT_TRUE(near(pixelAt(result.get(), 50, 0), {0, 50, 0}, 2));
  EXPECT_TRUE(near(pixelAt(result.get(), 90, 90), {20, 95, 0}, 2));
}

// Raw frames are yuv420p in BT.601 limited range, the encoder's own colours: each row is a
// frame of opaque pixels, then its luma plane and its two chroma planes. The 3 x 1 frame
// checks the odd right edge, whose chroma comes from its last column alone.
TEST(ArgbFrame, RawFramesArePlanarLimitedRangeYuv) {
  struct Case {
    int width, height;
    std::vector<uint32_t> pixels;
    std::vector<int> luma, blue, red;
  };
  const uint32_t white = 0xffffffff, black = 0xff000000, red = 0xffff0000, green = 0xff00ff00,
                 blue = 0xff0000ff;
  const std::vector<Case> cases = {
      {2, 2, {white, white, white, white}, {235, 235, 235, 235}, {128}, {128}},
      {2, 2, {black, black, black, black}, {16, 16, 16, 16}, {128}, {128}},
      {2, 2, {red, red, red, red}, {81, 81, 81, 81}, {90}, {240}},
      {2, 2, {green, green, green, green}, {145, 145, 145, 145}, {54}, {34}},
      {2, 2, {white, black, black, white}, {235, 16, 16, 235}, {128}, {128}},
      {3, 1, {red, red, blue}, {81, 81, 41}, {90, 240}, {240, 110}},
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> out(rawFrameLength(c.width, c.height));
    ASSERT_EQ(out.size(), c.luma.size() + c.blue.size() + c.red.size());
    yuv420FromArgb(reinterpret_cast<const unsigned char*>(c.pixels.data()), c.width, c.height,
                   c.width * 4, out.data());
    std::vector<int> expected = c.luma;
    expected.insert(expected.end(), c.blue.begin(), c.blue.end());
    expected.insert(expected.end(), c.red.begin(), c.red.end());
    EXPECT_EQ(std::vector<int>(out.begin(), out.end()), expected) << c.width << "x" << c.height;
  }
}

// A large frame is converted many pixels at a time where the processor allows; each 2 x 2
// block of it must come out as that block does alone, converted a pixel at a time. The width
// leaves a tail after the wide steps, and rows are padded as cairo pads them.
TEST(ArgbFrame, RawFramesOfAnySizeMatchTheirBlocksConvertedAlone) {
  const int width = 98, height = 6, stride = width * 4 + 8;
  std::mt19937 random(7);
  std::vector<uint32_t> pixels(static_cast<size_t>(stride / 4) * height);
  for (uint32_t& p : pixels) p = random() | 0xff000000u;
  std::vector<unsigned char> frame(rawFrameLength(width, height));
  yuv420FromArgb(reinterpret_cast<const unsigned char*>(pixels.data()), width, height, stride,
                 frame.data());
  const size_t lumaLength = static_cast<size_t>(width) * height;
  const size_t chromaLength = lumaLength / 4;
  for (int cy = 0; cy < height / 2; ++cy)
    for (int cx = 0; cx < width / 2; ++cx) {
      const uint32_t* corner = pixels.data() + static_cast<size_t>(stride / 4) * 2 * cy + 2 * cx;
      unsigned char block[6];
      yuv420FromArgb(reinterpret_cast<const unsigned char*>(corner), 2, 2, stride, block);
      const size_t top = static_cast<size_t>(width) * 2 * cy + 2 * cx;
      const size_t chroma = static_cast<size_t>(width / 2) * cy + cx;
      const unsigned char whole[6] = {frame[top],
                                      frame[top + 1],
                                      frame[top + width],
                                      frame[top + width + 1],
                                      frame[lumaLength + chroma],
                                      frame[lumaLength + chromaLength + chroma]};
      ASSERT_EQ(std::vector<int>(whole, whole + 6), std::vector<int>(block, block + 6))
          << "block " << cx << "," << cy;
    }
}

}  // namespace
}  // namespace pictavo::test
