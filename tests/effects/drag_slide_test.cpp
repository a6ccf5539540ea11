// Drags, slide-outs and slide-ins: where each picture sits in the frames.
#include <gtest/gtest.h>

#include "support/effect_probe.h"

namespace pictavo {
namespace {

using test::Shows;
constexpr Shows In = Shows::Incoming, Out = Shows::Outgoing, Black = Shows::Black;

// On 640 x 360. Drags step 40 across and 22 down, so frame 4 has moved 200 or 110 pixels.
// Slides step 38 across (640 / 17 = 37, made even) and 22 down (21 made even); slide-outs
// move first by the remainder (640 - 16 x 38 = 32, 360 - 16 x 22 = 8), then a step a frame;
// slide-ins show the incoming picture n + 1 steps in in frame n.
TEST(DragsAndSlides, EachPictureSitsWhereItHasMoved) {
  test::checkProbeCases({
      {"drag right", 27, 640, 360, false, {{4, 100, 100, In, -440}, {4, 300, 100, Out, 200}}},
      // The outgoing picture is cropped in place frame after frame and still moves 40 a frame.
      {"drag left", 28, 640, 360, false,
       {{4, 100, 100, Out, -200}, {4, 500, 100, In, 440}, {10, 100, 100, Out, -440},
        {10, 500, 100, In, 200}}},
      {"drag down", 29, 640, 360, false, {{4, 100, 50, In, 0, -250}, {4, 100, 200, Out, 0, 110}}},
      {"drag up", 30, 640, 360, false,
       {{4, 100, 50, Out, 0, -110}, {4, 100, 300, In, 0, 250}, {12, 100, 30, Out, 0, -286},
        {12, 100, 200, In, 0, 74}}},
      {"slide out right", 69, 640, 360, false,
       {{0, 10, 100, In}, {0, 100, 100, Out, 32}, {5, 200, 100, In}, {5, 300, 100, Out, 222}}},
      {"slide out left", 70, 640, 360, false,
       {{0, 630, 100, In}, {0, 100, 100, Out, -32}, {5, 440, 100, In}, {5, 300, 100, Out, -222}}},
      {"slide out down", 71, 640, 360, false, {{3, 100, 50, In}, {3, 100, 200, Out, 0, 74}}},
      {"slide out up", 72, 640, 360, false, {{3, 100, 330, In}, {3, 100, 100, Out, 0, -74}}},
      {"slide in right", 85, 640, 360, false, {{9, 100, 100, In, -260}, {9, 500, 100, Out}}},
      {"slide in left", 86, 640, 360, false, {{9, 100, 100, Out}, {9, 500, 100, In, 260}}},
      {"slide in down", 87, 640, 360, false, {{9, 100, 50, In, 0, -140}, {9, 100, 300, Out}}},
      {"slide in up", 88, 640, 360, false, {{9, 100, 50, Out}, {9, 100, 300, In, 0, 140}}},
      // The first picture pushes or uncovers black, or slides over it.
      {"drag black out", 27, 640, 360, true, {{4, 100, 100, In, -440}, {4, 300, 100, Black}}},
      {"push black up", 30, 640, 360, true, {{4, 100, 50, Black}, {4, 100, 300, In, 0, 250}}},
      {"black slides out", 69, 640, 360, true, {{5, 200, 100, In}, {5, 300, 100, Black}}},
      {"slide in over black", 86, 640, 360, true, {{9, 100, 100, Black}, {9, 500, 100, In, 260}}},
  });
}

TEST(DragsAndSlides, CountingAtTheExampleSizes) {
  test::checkCounts({{27, 1280, 720, 16}, {28, 1280, 720, 16}, {29, 1280, 720, 16},
                     {30, 1280, 720, 16}, {69, 1280, 720, 17}, {70, 1280, 720, 17},
                     {85, 1280, 720, 17}, {86, 1280, 720, 17}, {71, 1280, 720, 18},
                     {72, 1280, 720, 18}, {87, 1280, 720, 18}, {88, 1280, 720, 18},
                     // 1000 wide: drags of 62 reach 992, then the shortened last step;
                     // slides of 58: 1000 = 17 x 58 + 14.
                     {27, 1000, 600, 17}, {69, 1000, 600, 18}, {85, 1000, 600, 18}});
}

TEST(DragsAndSlides, SinkFailuresAndTinyCanvases) {
  for (int index : {27, 28, 29, 30, 69, 70, 71, 72, 85, 86, 87, 88}) {
    EXPECT_TRUE(test::stopsWhenTheSinkFails(index, 320, 180)) << index;
    EXPECT_TRUE(test::copesWithTinyCanvases(index)) << index;
  }
}

}  // namespace
}  // namespace pictavo
