// Doors and flying quarters: which part of which picture each piece shows, and where.
#include <gtest/gtest.h>

#include "support/effect_probe.h"

namespace pictavo {
namespace {

using test::Shows;
constexpr Shows In = Shows::Incoming, Out = Shows::Outgoing, Black = Shows::Black;

// On 640 x 360. Doors step 22 across (640 / 30 = 21, made even) and 12 down: frame 0 of the
// opening doors has doors 308 wide (168 high), the left one cut from x = 12, the right one
// from x = 320 and laid at 332; frame 4 of the closing doors has halves 110 wide (60 high).
// Quarters step 20: frame 4 of the fly-in has pieces 100 x 56 cut at (220, 123) and
// (320, 180); frame 0 of the fly-out has pieces 300 x 168 cut at (20, 11) and (320, 180).
TEST(DoorsAndQuarters, EachPieceShowsItsPartInItsPlace) {
  test::checkProbeCases({
      {"doors open sideways", 95, 640, 360, false,
       {{0, 100, 100, Out, -12}, {0, 320, 100, In}, {0, 400, 100, Out, 12},
        {9, 50, 100, Out, -210}, {9, 300, 100, In}, {9, 600, 100, Out, 210}}},
      {"doors open vertically", 96, 640, 360, false,
       {{0, 100, 50, Out, 0, -12}, {0, 100, 180, In}, {0, 100, 300, Out, 0, 12}}},
      {"doors close sideways", 97, 640, 360, false,
       {{4, 50, 100, In, -210}, {4, 320, 100, Out}, {4, 600, 100, In, 210}}},
      {"doors close vertically", 98, 640, 360, false,
       {{4, 100, 30, In, 0, -120}, {4, 100, 180, Out}, {4, 100, 330, In, 0, 120}}},
      {"quarters fly in", 39, 640, 360, false,
       {{4, 50, 30, In, -220, -123}, {4, 590, 330, In, 220, 123}, {4, 50, 330, In, -220, 123},
        {4, 590, 30, In, 220, -123}, {4, 320, 180, Out}, {4, 320, 30, Out}}},
      {"quarters fly out", 40, 640, 360, false,
       {{0, 100, 50, Out, -20, -11}, {0, 600, 300, Out, 20, 11}, {0, 320, 180, In},
        {0, 320, 100, In}}},
      // The first picture opens black doors, or its halves close over black.
      {"black doors open", 95, 640, 360, true, {{0, 100, 100, Black}, {0, 320, 100, In}}},
      {"black doors open up", 96, 640, 360, true, {{0, 100, 50, Black}, {0, 100, 180, In}}},
      {"close over black", 97, 640, 360, true, {{4, 50, 100, In, -210}, {4, 320, 100, Black}}},
      {"close down over black", 98, 640, 360, true,
       {{4, 100, 30, In, 0, -120}, {4, 100, 180, Black}}},
      {"fly in over black", 39, 640, 360, true,
       {{4, 50, 30, In, -220, -123}, {4, 320, 180, Black}}},
      {"black flies out", 40, 640, 360, true, {{0, 100, 50, Black}, {0, 320, 180, In}}},
  });
}

TEST(DoorsAndQuarters, CountingAtTheExampleSizes) {
  test::checkCounts({{95, 1280, 720, 16}, {97, 1280, 720, 16}, {39, 1280, 720, 16},
                     {40, 1280, 720, 16}, {96, 1280, 720, 15}, {98, 1280, 720, 15},
                     // 96 wide: 96 / 32 = 3 is odd and not below 3, so the quarters step by 2.
                     {39, 96, 54, 24}, {40, 96, 54, 24}});
}

TEST(DoorsAndQuarters, SinkFailuresAndTinyCanvases) {
  for (int index : {95, 96, 97, 98, 39, 40}) {
    EXPECT_TRUE(test::stopsWhenTheSinkFails(index, 320, 180)) << index;
    EXPECT_TRUE(test::copesWithTinyCanvases(index)) << index;
  }
}

}  // namespace
}  // namespace pictavo
