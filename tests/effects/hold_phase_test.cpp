// The hold phase every effect shares, and the no-animation renderer's own hold.
#include <gtest/gtest.h>

#include "effects/frame_handoff.h"
#include "effects/effect_table.h"
#include "support/recording_sink.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using test::near;
using test::pixelAt;
using test::RecordingSink;

// A white 40 x 20 band at (10.7, 5.2) on a black final frame: the band's grey level in a
// frame is its opacity.
std::unique_ptr<CaptionOverlay> whiteBand() {
  auto caption = std::make_unique<CaptionOverlay>();
  caption->image = test::solidPicture(40, 20, "#ffffff");
  caption->x = 10.7;
  caption->y = 5.2;
  return caption;
}

int greyAt(const RecordingSink& sink, int frame, int x, int y) {
  WandPtr decoded = sink.decoded(frame);
  return pixelAt(decoded.get(), x, y).r;
}

// A black 80 x 40 final frame handed on as a wand, with `previous` destroyed.
WandPtr finishBlack(FrameHandOn& out, WandPtr previous) {
  SurfacePtr black = out.counting() ? nullptr : outgoingSurface(nullptr, 80, 40);
  return out.finishSurface([&] { return black.get(); },
                           [](cairo_surface_t* shown) { return wandFromSurface(shown); },
                           std::move(previous));
}

WandPtr holdBlackFrame(RecordingSink& sink, CaptionOverlay* caption, int holdFrames) {
  FrameHandOn out(sink, caption, holdFrames);
  return finishBlack(out, nullptr);
}

TEST(HoldPhase, CaptionFadesInOverThreeFramesThenRepeats) {
  RecordingSink sink;
  auto caption = whiteBand();
  WandPtr last = holdBlackFrame(sink, caption.get(), 6);
  ASSERT_TRUE(last);
  ASSERT_EQ(sink.count(), 7);  // the final frame and six hold frames
  EXPECT_FALSE(sink.entries()[0].repeat);
  EXPECT_LT(greyAt(sink, 0, 20, 10), 8);  // the final frame itself has no caption
  const int expected[] = {89, 153, 217};  // 0.35, 0.60 and 0.85 of white
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(sink.entries()[1 + i].repeat);
    EXPECT_NEAR(greyAt(sink, 1 + i, 20, 10), expected[i], 6) << "hold frame " << i;
  }
  EXPECT_LT(greyAt(sink, 1, 5, 5), 8);  // the caption sits at (10, 5), truncated
  EXPECT_NEAR(greyAt(sink, 1, 10, 5), 89, 12);
  for (int i = 4; i < 7; ++i) {
    EXPECT_TRUE(sink.entries()[i].repeat);
    EXPECT_EQ(sink.entries()[i].bytes, sink.entries()[3].bytes);
  }
  // The returned frame is the plain final frame.
  EXPECT_TRUE(near(pixelAt(last.get(), 20, 10), {0, 0, 0}, 0));
}

TEST(HoldPhase, ShortHolds) {
  RecordingSink none;
  auto caption = whiteBand();
  ASSERT_TRUE(holdBlackFrame(none, caption.get(), 0));
  EXPECT_EQ(none.count(), 1);  // the caption is never shown

  RecordingSink two;
  caption = whiteBand();
  ASSERT_TRUE(holdBlackFrame(two, caption.get(), 2));
  ASSERT_EQ(two.count(), 3);
  EXPECT_NEAR(greyAt(two, 1, 20, 10), 89, 6);
  EXPECT_NEAR(greyAt(two, 2, 20, 10), 153, 6);

  RecordingSink plain;
  ASSERT_TRUE(holdBlackFrame(plain, nullptr, 3));
  ASSERT_EQ(plain.count(), 4);
  for (int i = 1; i < 4; ++i) {
    EXPECT_TRUE(plain.entries()[i].repeat);
    EXPECT_EQ(plain.entries()[i].bytes, plain.entries()[0].bytes);
  }
}

TEST(HoldPhase, TextWithoutBandKeepsItsOwnTransparency) {
  auto caption = std::make_unique<CaptionOverlay>();
  caption->image = test::solidPicture(40, 20, "rgba(255,255,255,0)");
  MagickSetImageAlphaChannel(caption->image.get(), ActivateAlphaChannel);
  {
    // An opaque white square in the middle of a transparent caption.
    WandPtr ink = test::solidPicture(10, 10, "#ffffff");
    MagickCompositeImage(caption->image.get(), ink.get(), OverCompositeOp, 15, 5);
  }
  caption->keepAlpha = 1;
  caption->x = 10.7;
  caption->y = 5.2;
  RecordingSink sink;
  ASSERT_TRUE(holdBlackFrame(sink, caption.get(), 3));
  for (int i = 1; i <= 3; ++i) {
    EXPECT_GT(greyAt(sink, i, 30, 15), 240) << i;  // the ink at full strength every time
    EXPECT_LT(greyAt(sink, i, 12, 10), 10) << i;   // transparent around it
  }
}

TEST(HoldPhase, FailingSinkInTheHoldGivesNull) {
  for (int failAt : {0, 1, 2, 4}) {
    RecordingSink sink(failAt);
    auto caption = whiteBand();
    FrameHandOn out(sink, caption.get(), 5);
    WandPtr previous = test::solidPicture(80, 40, "#ff0000");
    EXPECT_EQ(finishBlack(out, std::move(previous)), nullptr) << failAt;
    EXPECT_EQ(sink.attempts(), failAt + 1);
  }
}

TEST(HoldPhase, CountingModeCountsTheSameFrames) {
  FrameHandOn out = FrameHandOn::forCounting(7);
  auto composed = []() -> cairo_surface_t* {
    ADD_FAILURE() << "composed in counting mode";
    return nullptr;
  };
  out.frameSurface(composed);
  out.frameSurface(composed);
  EXPECT_EQ(out.finishSurface(composed, [](cairo_surface_t*) -> WandPtr { ADD_FAILURE(); return nullptr; },
                              nullptr),
            nullptr);
  EXPECT_EQ(out.frameCount(), 3 + 7);
}

TEST(DestroyFramePair, ASharedWandIsDestroyedOnce) {
  WandPtr a = test::solidPicture(2, 2, "#000000");
  WandPtr b(a.get());  // both slots hold the same wand
  destroyFramePair(a, b);
  EXPECT_EQ(a, nullptr);
  EXPECT_EQ(b, nullptr);
}

TEST(NoAnimation, HoldsWithTheCaptionAtFullStrength) {
  WandPtr picture = test::solidPicture(80, 40, "#000000");
  auto caption = whiteBand();
  RecordingSink sink;
  FrameHandOn out(sink, caption.get(), 3);
  WandPtr last = runEffect(99, 80, 40, picture.get(), test::solidPicture(80, 40, "#ff0000"), out);
  ASSERT_TRUE(last);
  ASSERT_EQ(sink.count(), 3);
  EXPECT_FALSE(sink.entries()[0].repeat);
  EXPECT_NEAR(greyAt(sink, 0, 20, 10), 217, 6);  // 0.65 + 0.2
  EXPECT_TRUE(sink.entries()[1].repeat && sink.entries()[2].repeat);
  EXPECT_EQ(sink.entries()[2].bytes, sink.entries()[0].bytes);
  EXPECT_EQ(countEffectFrames(99, 80, 40, 3), 3);
}

TEST(NoAnimation, ZeroHoldWritesNothingButStillHandsTheFrameOn) {
  WandPtr picture = test::solidPicture(80, 40, "#00ff00");
  RecordingSink sink;
  FrameHandOn out(sink, nullptr, 0);
  WandPtr last = runEffect(99, 80, 40, picture.get(), nullptr, out);
  ASSERT_TRUE(last);
  EXPECT_EQ(sink.count(), 0);
  EXPECT_TRUE(near(pixelAt(last.get(), 1, 1), {0, 255, 0}, 0));
  RecordingSink failing(1);
  FrameHandOn failingOut(failing, nullptr, 4);
  EXPECT_EQ(runEffect(99, 80, 40, picture.get(), nullptr, failingOut), nullptr);
}

}  // namespace
}  // namespace pictavo
