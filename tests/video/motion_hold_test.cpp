// A moving picture's stay through the dispatcher: the effect brings in the motion's first
// frame, the hold walks the motion to its last frame, and that frame is what the next
// picture's transition starts from. Frame counts stay those of the still picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/image.h"
#include "imaging/picture_view.h"
#include "imaging/raw_frame.h"
#include "support/test_files.h"
#include "video/dispatch.h"

namespace pictavo {
namespace {

// Keeps every frame as raw pixels, so that frames compare exactly.
class RawRecorder : public FrameSink {
 public:
  bool writeFrame(const unsigned char* bytes, size_t length) override {
    frames.emplace_back(reinterpret_cast<const char*>(bytes), length);
    return true;
  }
  bool repeatFrame(const unsigned char* bytes, size_t length) override {
    return writeFrame(bytes, length);
  }
  bool rawFrames() const override { return true; }
  std::vector<std::string> frames;
};

std::string rawOf(cairo_surface_t* frame) {
  ImageBlob raw = rawFromSurface(frame);
  return std::string(reinterpret_cast<const char*>(raw.data()), raw.length);
}

TEST(MotionHold, TheEffectMeetsTheMotionsFirstAndLastFramesExactly) {
  test::TempDir dir;
  const std::string path = dir.file("ramp.png");
  WandPtr picture = test::coordinatePicture(400, 300);
  ASSERT_TRUE(writeImageFile(picture.get(), path));
  for (int effect : {31, 27, 99}) {
    for (Framing framing : {Framing::Fill, Framing::Fit}) {
      SCOPED_TRACE(effect);
      RawRecorder sink;
      DispatchContext context;
      context.width = 160;
      context.height = 90;
      context.pauseFrames = 12;
      context.sink = &sink;
      context.motion = Motion::ZoomIn;
      context.framing = framing;
      ImageItem item;
      item.path = path;
      item.setEffect(effect);
      WandPtr last = dispatchPicture(context, item, nullptr, nullptr);
      ASSERT_TRUE(last);
      ASSERT_EQ(static_cast<int>(sink.frames.size()), pictureFrames(context, item));

      ViewChoice choice = viewChoiceFor(context, item);
      auto view = PictureView::open(path, 160, 90, context.background, 0, choice, {});
      ASSERT_TRUE(view);
      // Without a transition the hold is the whole stay and starts on the motion's first frame.
      const size_t held = effect == 99 ? 1 : sink.frames.size() - 12;
      EXPECT_TRUE(sink.frames[held - 1] == rawOf(view->frameAt(0).get())) << "the transition's end";
      EXPECT_TRUE(sink.frames.back() == rawOf(view->frameAt(1).get())) << "the hold's end";
      SurfacePtr handedOn = surfaceFromWand(last.get());
      EXPECT_TRUE(rawOf(handedOn.get()) == sink.frames.back()) << "the next transition's start";
      for (size_t i = held; i < sink.frames.size(); ++i)
        EXPECT_TRUE(sink.frames[i] != sink.frames[i - 1]) << "hold frame " << i - held << " stands still";
    }
  }
}

TEST(MotionHold, APictureWithItsOwnMotionOverridesTheProjects) {
  DispatchContext context;
  context.motion = Motion::PanLeft;
  ImageItem item;
  EXPECT_EQ(viewChoiceFor(context, item).motion, Motion::PanLeft);
  item.motion = static_cast<int>(Motion::Off);
  EXPECT_TRUE(viewChoiceFor(context, item).plain());
  item.motion = static_cast<int>(Motion::Auto);
  EXPECT_EQ(viewChoiceFor(context, item).motion, Motion::ZoomIn);
}

}  // namespace
}  // namespace pictavo
