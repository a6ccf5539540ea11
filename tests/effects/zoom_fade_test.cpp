// The two zooms and the cross-fade: frame counts, the fading overlay of the previous picture,
// the zoom geometry and the first picture of a project.
#include <gtest/gtest.h>

#include "imaging/image.h"
#include "support/transition_probe.h"

namespace pictavo::test {
namespace {

constexpr int W = 320, H = 180;  // zoom step trunc(6.4) = 6, even already
constexpr int kZoomOut = 0, kZoomIn = 1, kFade = 31;

Rgb shown(const Transition& t, int frame, int x, int y) {
  WandPtr decoded = t.sink.decoded(frame);
  return pixelAt(decoded.get(), x, y);
}

TEST(ZoomFade, CountingFigures) {
  for (auto [w, h] : {std::pair{1280, 720}, {720, 1280}, {1000, 600}, {400, 400}}) {
    EXPECT_EQ(countFrames(kZoomOut, w, h, 25), 21 + 25) << w << "x" << h;
    EXPECT_EQ(countFrames(kZoomIn, w, h, 25), 21 + 25) << w << "x" << h;
    EXPECT_EQ(countFrames(kFade, w, h, 25), 17 + 25) << w << "x" << h;
  }
}

// The blue channel tells how much of the magenta previous picture lies over a frame: over
// the first five zoom frames 0.85 down to 0.25, then none; over the fade 94%, 88%, ... 4%.
TEST(ZoomFade, PreviousPictureFadesOut) {
  for (int index : {kZoomOut, kZoomIn}) {
    Transition run = renderTransition(index, W, H);
    ASSERT_EQ(run.sink.count(), 21);
    const int levels[] = {217, 179, 140, 102, 64, 0, 0};
    for (int k = 0; k < 7; ++k)
      EXPECT_NEAR(shown(run, k, 160, 90).b, levels[k], 10) << "effect " << index << " frame " << k;
  }
  Transition fade = renderTransition(kFade, W, H);
  ASSERT_EQ(fade.sink.count(), 17);
  for (int k = 0; k < 16; ++k)
    EXPECT_NEAR(shown(fade, k, 100, 50).b, (94 - 6 * k) * 255 / 100, 8) << "fade frame " << k;
  // Under the fading previous picture the incoming one is already in place: 46% magenta.
  EXPECT_TRUE(near(shown(fade, 8, 200, 100), {117 + 200 * 54 / 100, 100 * 54 / 100, 117}, 10));
}

// The zooms lay nothing over the first picture; the fade brings it in from black.
TEST(ZoomFade, FirstPicture) {
  for (int index : {kZoomOut, kZoomIn}) {
    Transition run = renderTransition(index, W, H, /*firstPicture=*/true);
    ASSERT_EQ(run.sink.count(), 21);
    EXPECT_TRUE(near(shown(run, 0, 160, 90), {160, 90, 0}, 12)) << index;
  }
  Transition fade = renderTransition(kFade, W, H, true);
  ASSERT_EQ(fade.sink.count(), 17);
  EXPECT_TRUE(near(shown(fade, 0, 200, 100), {12, 6, 0}, 10));
  EXPECT_TRUE(near(shown(fade, 8, 200, 100), {108, 54, 0}, 10));
}

// "逐渐缩小" ends on the picture as it is; its frame 5, the first without overlay, shows the
// picture enlarged by 15 steps (410 x 231 at (-45, -25)); both with and without a previous
// frame nothing is left behind.
TEST(ZoomFade, ZoomOutAndFadeEndOnThePicture) {
  expectTransitions({{kZoomOut, 5, {sourceAt(0, 0, 35, 19), incomingAt(160, 90)}},
                     {kFade, 16, {incomingAt(100, 50)}}},
                    W, H);
}

// "逐渐放大" ends on the picture enlarged by 20 steps and cut to the canvas: growth 120,
// 440 x 248 placed at (-60, -34). An odd step is made even: 450 wide gives trunc(9.0) = 9,
// grown to 10 a frame, so the corner shows x = 100 x 450 / 650, not 90 x 450 / 630.
TEST(ZoomFade, ZoomInEndsOnTheEnlargedPicture) {
  Transition in = renderTransition(kZoomIn, W, H);
  ASSERT_TRUE(in.last);
  EXPECT_TRUE(near(pixelAt(in.last.get(), 160, 90), {160, 90, 0}, 2));
  EXPECT_TRUE(near(pixelAt(in.last.get(), 0, 0), {44, 25, 0}, 2));
  EXPECT_TRUE(near(pixelAt(in.last.get(), 319, 179), {20, 155, 0}, 3));
  EXPECT_TRUE(near(shown(in, 20, 0, 0), {44, 25, 0}, 12));
  Transition odd = renderTransition(kZoomIn, 450, 250);
  ASSERT_TRUE(odd.last);
  EXPECT_NEAR(pixelAt(odd.last.get(), 0, 0).r, 69, 2);
}

TEST(ZoomFade, ZoomFrameCoversTheCanvas) {
  WandPtr picture = coordinatePicture(200, 100);
  WandPtr same = zoomFrame(200, 100, picture.get(), 0);
  EXPECT_TRUE(near(pixelAt(same.get(), 37, 81), {37, 81, 0}, 0));
  WandPtr grown = zoomFrame(200, 100, picture.get(), 100);  // 300 x 150 at (-50, -25)
  EXPECT_EQ(MagickGetImageWidth(grown.get()), 200u);
  EXPECT_EQ(MagickGetImageHeight(grown.get()), 100u);
  EXPECT_TRUE(near(pixelAt(grown.get(), 100, 50), {100, 50, 0}, 2));
  EXPECT_TRUE(near(pixelAt(grown.get(), 0, 0), {33, 16, 0}, 2));
  EXPECT_TRUE(near(pixelAt(grown.get(), 199, 99), {166, 83, 0}, 2));
}

TEST(ZoomFade, ARefusedFrameStopsTheEffect) {
  for (int index : {kZoomOut, kZoomIn, kFade}) {
    expectCleanFailure(index, 160, 90, 3, 3);                                 // in the change
    expectCleanFailure(index, 160, 90, countFrames(index, 160, 90, 0) + 1, 3);  // in the hold
  }
}

}  // namespace
}  // namespace pictavo::test
