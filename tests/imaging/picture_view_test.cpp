// Frames of filled, blurred and moving pictures, checked on their pixels: no background
// shows where the picture should be, bars stay still, and a slow pan moves the frame by
// steady sub-pixel steps.
#include <gtest/gtest.h>

#include <cstdint>

#include "imaging/picture_view.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

// The picture's pixels have no blue, so the white background is told from them at a glance.
std::unique_ptr<PictureView> viewOf(int pw, int ph, int width, int height, Motion motion,
                                    Framing framing) {
  WandPtr picture = test::coordinatePicture(pw, ph);
  ViewChoice choice;
  choice.motion = motion;
  choice.framing = framing;
  return PictureView::fromSurface(surfaceFromWand(picture.get()), pw, ph, width, height, "#ffffff",
                                  choice, {});
}

uint32_t pixel(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  const uint8_t* row = cairo_image_surface_get_data(s) + static_cast<size_t>(y) * cairo_image_surface_get_stride(s);
  return reinterpret_cast<const uint32_t*>(row)[x];
}

bool white(uint32_t argb) { return (argb & 0xffffffu) == 0xffffffu; }
bool bluish(uint32_t argb) { return (argb & 0xffu) > 64; }

TEST(PictureView, NoBackgroundShowsAndBarsStayStill) {
  struct Case {
    Motion motion;
    Framing framing;
    int pw, ph;
  };
  for (const Case& c : {Case{Motion::ZoomIn, Framing::Fill, 400, 300},
                        Case{Motion::PanLeft, Framing::Fill, 300, 400},
                        Case{Motion::Off, Framing::Fill, 400, 300},
                        Case{Motion::PanRight, Framing::Fit, 400, 300},
                        Case{Motion::ZoomOut, Framing::Blur, 300, 400},
                        Case{Motion::PanUp, Framing::Blur, 400, 300}}) {
    SCOPED_TRACE(static_cast<int>(c.motion) * 10 + static_cast<int>(c.framing));
    auto view = viewOf(c.pw, c.ph, 160, 160, c.motion, c.framing);
    for (double t : {0.0, 0.37, 1.0}) {
      SurfacePtr frame = view->frameAt(t);
      for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 160; ++x) {
          bool onPicture = x >= view->pictureX() && x < view->pictureX() + view->pictureWidth() &&
                           y >= view->pictureY() && y < view->pictureY() + view->pictureHeight();
          uint32_t p = pixel(frame.get(), x, y);
          if (onPicture || c.framing == Framing::Blur)
            ASSERT_FALSE(bluish(p)) << "background at " << x << "," << y << " t=" << t;
          else
            ASSERT_TRUE(white(p)) << "the bar moved at " << x << "," << y << " t=" << t;
        }
    }
  }
}

TEST(PictureView, ASlowPanMovesBySteadySubPixelSteps) {
  // A 256-pixel ramp of red across; panning right shows ever redder columns. Ten per cent of
  // 256 over 40 frames is less than a pixel a frame, at the frame's scale about a quarter.
  auto view = viewOf(256, 144, 96, 54, Motion::PanRight, Framing::Fill);
  auto meanRed = [&](double t) {
    SurfacePtr frame = view->frameAt(t);
    double sum = 0;
    for (int y = 0; y < 54; ++y)
      for (int x = 0; x < 96; ++x) sum += (pixel(frame.get(), x, y) >> 16) & 0xff;
    return sum / (96 * 54);
  };
  const int frames = 40;
  std::vector<double> means;
  for (int i = 0; i <= frames; ++i) means.push_back(meanRed(static_cast<double>(i) / frames));
  const double average = (means.back() - means.front()) / frames;
  EXPECT_GT(average, 0.3);
  for (int i = 1; i <= frames; ++i) {
    double step = means[i] - means[i - 1];
    // Eight-bit rounding makes steps of a ramp uneven by a third at most; a view snapped to
    // whole pixels would stand still on some frames and jump by several steps on others.
    EXPECT_NEAR(step, average, average * 0.5) << "a jump or a stop at frame " << i;
  }
}

TEST(PictureView, UnreadableFileGivesNoView) {
  test::TempDir dir;
  test::writeBytes(dir.file("broken.jpg"), "not a picture");
  ViewChoice choice;
  choice.motion = Motion::ZoomIn;
  std::string error;
  EXPECT_EQ(PictureView::open(dir.file("broken.jpg"), 160, 90, "#ffffff", 0, choice, {}, &error), nullptr);
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace pictavo
