// Every index 0..99 on several canvas sizes: the frames counting mode announces are exactly
// the frames render mode hands to the sink, and the last frame shows the incoming picture.
#include <gtest/gtest.h>

#include "effects/effect_table.h"
#include "effects/frame_handoff.h"
#include "support/recording_sink.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

struct CanvasSize {
  int width, height;
};

class AllEffects : public testing::TestWithParam<CanvasSize> {};

TEST_P(AllEffects, CountingEqualsFramesHandedOn) {
  const auto [width, height] = GetParam();
  const int hold = 2;
  WandPtr picture = test::coordinatePicture(width, height);
  for (int index = 0; index < 100; ++index) {
    const int counted = countEffectFrames(index, width, height, hold);

    test::RecordingSink sink(-1, /*keepBytes=*/false);
    WandPtr previous = test::solidPicture(width, height, "#ff00ff");
    FrameHandOn out(sink, nullptr, hold);
    WandPtr last = runEffect(index, width, height, picture.get(), std::move(previous), out);
    ASSERT_TRUE(last) << "effect " << index;
    EXPECT_EQ(counted, sink.count()) << "effect " << index;
    ASSERT_EQ(MagickGetImageWidth(last.get()), static_cast<size_t>(width)) << "effect " << index;
    ASSERT_EQ(MagickGetImageHeight(last.get()), static_cast<size_t>(height)) << "effect " << index;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, AllEffects,
                         testing::Values(CanvasSize{400, 400}, CanvasSize{1280, 720},
                                         CanvasSize{720, 1280}, CanvasSize{1000, 600},
                                         CanvasSize{128, 128}),
                         [](const testing::TestParamInfo<CanvasSize>& info) {
                           return std::to_string(info.param.width) + "x" +
                                  std::to_string(info.param.height);
                         });

}  // namespace
}  // namespace pictavo
