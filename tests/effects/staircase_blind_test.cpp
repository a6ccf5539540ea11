// Raster staircases and blinds: how far each strip has opened in a frame.
#include <gtest/gtest.h>

#include "support/effect_probe.h"

namespace pictavo {
namespace {

using test::Shows;
constexpr Shows In = Shows::Incoming, Out = Shows::Outgoing, Black = Shows::Black;

// Staircases on 640 x 360: strips 40 wide (or high), opening 7.5 a frame, strip j starting in
// frame j + 1 (frame number n + 1 is index n). In frame 4 strips are open 0..30, 40..62.5,
// 80..95 and 120..127.5; in frame 16 strips 0..10 are open, 12 to 510, 15 to 607.5.
// Blinds: 14 strips 45.7 wide opening 2.54 a frame, or 25.7 high opening 1.43 a frame.
TEST(StaircasesAndBlinds, EachStripIsOpenAsFarAsItsFrameSays) {
  test::checkProbeCases({
      {"staircase rightward", 41, 640, 360, false,
       {{0, 3, 100, In}, {0, 20, 100, Out}, {3, 25, 100, In}, {3, 35, 100, Out},
        {3, 55, 100, In}, {3, 70, 100, Out}, {3, 123, 100, In}, {3, 200, 100, Out},
        {15, 420, 100, In}, {15, 515, 100, Out}, {15, 603, 100, In}, {15, 615, 100, Out}}},
      {"staircase leftward", 42, 640, 360, false,
       {{3, 615, 100, In}, {3, 605, 100, Out}, {3, 585, 100, In}, {3, 570, 100, Out}}},
      {"staircase downward", 43, 640, 360, false,
       {{3, 100, 25, In}, {3, 100, 35, Out}, {3, 100, 55, In}, {3, 100, 70, Out}}},
      {"staircase upward", 44, 640, 360, false, {{3, 100, 340, In}, {3, 100, 325, Out}}},
      // On a portrait canvas the strips are 640 / 16 high and all sixteen fall on it.
      {"portrait staircase downward", 43, 360, 640, false,
       {{15, 100, 603, In}, {15, 100, 620, Out}, {15, 100, 515, Out}}},
      {"blinds rightward", 49, 640, 360, false,
       {{8, 10, 100, In}, {8, 35, 100, Out}, {8, 240, 100, In}, {8, 260, 100, Out},
        {16, 20, 100, In}, {16, 250, 100, In}}},
      {"blinds downward", 50, 640, 360, false,
       {{8, 100, 5, In}, {8, 100, 20, Out}, {16, 100, 10, In}}},
      {"staircase over black", 41, 640, 360, true, {{3, 25, 100, In}, {3, 35, 100, Black}}},
      {"blinds over black", 49, 640, 360, true, {{8, 10, 100, In}, {8, 35, 100, Black}}},
  });
}

TEST(StaircasesAndBlinds, CountingIsTheSameOnEveryCanvas) {
  for (auto [w, h] : {std::pair{1280, 720}, {720, 1280}, {1000, 600}, {96, 54}, {132, 74}})
    test::checkCounts({{41, w, h, 21}, {42, w, h, 21}, {43, w, h, 21}, {44, w, h, 21},
                       {49, w, h, 18}, {50, w, h, 18}});
}

TEST(StaircasesAndBlinds, SinkFailuresAndTinyCanvases) {
  for (int index : {41, 42, 43, 44, 49, 50}) {
    EXPECT_TRUE(test::stopsWhenTheSinkFails(index, 320, 180)) << index;
    EXPECT_TRUE(test::copesWithTinyCanvases(index)) << index;
  }
}

}  // namespace
}  // namespace pictavo
