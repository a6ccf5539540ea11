// Circle, diamond and X reveals: where each picture shows while the shape grows or shrinks.
#include <gtest/gtest.h>

#include "support/effect_probe.h"

namespace pictavo {
namespace {

using test::Shows;
constexpr Shows In = Shows::Incoming, Out = Shows::Outgoing, Black = Shows::Black;

// On 640 x 360 (cx 320, cy 180) the steps are 40 (circles, diamonds) and 20 (X shapes):
// frame n has d, h or a = step x (n + 1) while the shape grows, step x (15 - n) while it
// shrinks. Circle radii: 23 in frame 0, 184 in frame 7, 344 in frame 14.
TEST(ShapeReveals, EachPictureShowsWhereTheShapeSays) {
  test::checkProbeCases({
      {"circle grows", 25, 640, 360, false,
       {{0, 320, 180, In}, {0, 360, 180, Out}, {0, 10, 10, Out}, {7, 490, 180, In},
        {7, 320, 350, In}, {7, 515, 180, Out}, {14, 20, 180, In}, {14, 8, 8, Out}}},
      {"circle shrinks", 26, 640, 360, false,
       {{0, 320, 180, Out}, {0, 3, 3, In}, {0, 636, 356, In}, {0, 20, 180, Out},
        {14, 320, 180, Out}, {14, 360, 180, In}}},
      {"diamond grows", 55, 640, 360, false,  // frame 9: 400 wide, 225 high
       {{0, 320, 180, In}, {0, 350, 180, In}, {0, 320, 210, Out}, {0, 365, 180, Out},
        {9, 520, 280, In}, {9, 620, 280, Out}}},
      {"diamond shrinks", 56, 640, 360, false,
       {{0, 320, 180, Out}, {0, 2, 2, In}, {0, 637, 357, In}, {14, 320, 180, Out},
        {14, 370, 180, In}}},
      {"portrait diamond grows", 55, 360, 640, false,  // frame 4: 200 high, 112 wide
       {{4, 180, 500, In}, {4, 280, 320, In}, {4, 310, 320, Out}, {4, 180, 535, Out}}},
      {"X opens", 58, 640, 360, false,
       {{0, 320, 180, In}, {0, 320, 40, Out}, {0, 40, 180, Out}, {0, 100, 56, In},
        {14, 320, 3, Out}, {14, 100, 100, In}}},
      {"X closes", 59, 640, 360, false,
       {{0, 320, 3, In}, {0, 320, 180, Out}, {0, 100, 100, Out}, {14, 160, 90, Out},
        {14, 320, 60, In}, {14, 60, 180, In}}},
      // The first picture of a project is revealed over black, or a black shape shrinks away.
      {"circle grows over black", 25, 640, 360, true, {{7, 320, 180, In}, {7, 20, 20, Black}}},
      {"black circle shrinks", 26, 640, 360, true, {{0, 320, 180, Black}, {0, 3, 3, In}}},
      {"diamond grows over black", 55, 640, 360, true, {{9, 520, 280, In}, {9, 620, 280, Black}}},
      {"black diamond shrinks", 56, 640, 360, true, {{0, 320, 180, Black}, {0, 2, 2, In}}},
      {"black wedges shrink", 58, 640, 360, true, {{0, 320, 40, Black}, {0, 100, 56, In}}},
      {"wedges over black", 59, 640, 360, true, {{14, 160, 90, Black}, {14, 320, 60, In}}},
  });
}

TEST(ShapeReveals, CountingAtTheExampleSizes) {
  test::checkCounts({{25, 1280, 720, 16}, {26, 1280, 720, 16}, {55, 1280, 720, 16},
                     {56, 1280, 720, 16}, {58, 1280, 720, 16}, {59, 1280, 720, 16},
                     {55, 720, 1280, 16}, {56, 720, 1280, 16},  // step 80 from the height
                     {25, 1000, 600, 17}, {26, 1000, 600, 17},  // 62 does not divide 1000
                     {58, 1000, 600, 17}});
}

TEST(ShapeReveals, SinkFailuresAndTinyCanvases) {
  for (int index : {25, 26, 55, 56, 58, 59}) {
    EXPECT_TRUE(test::stopsWhenTheSinkFails(index, 320, 180)) << index;
    EXPECT_TRUE(test::copesWithTinyCanvases(index)) << index;
  }
}

}  // namespace
}  // namespace pictavo
