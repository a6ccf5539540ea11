// The frame count of effects whose extent moves by a step a frame up to a full length.
#include <gtest/gtest.h>

#include "effects/transition_plan.h"

namespace pictavo {
namespace {

TEST(StepsInside, CountsTheMultiplesStrictlyInsideTheLength) {
  struct Case {
    int length, step, expected;
  };
  const Case cases[] = {
      {1280, 80, 15},  // an exact multiple: the last multiple is the full length itself
      {1280, 75, 17},  // a remainder: 75 .. 1275, then the final frame at 1280
      {80, 80, 0},     // one step covers the length: only the final frame
      {50, 80, 0},     // a step beyond the length
      {0, 16, 0},      // nothing to cover (a canvas too small for its divisor)
      {1, 1, 0},
      {100, 6, 16},    // the fade: 94, 88, ..., 4 percent
  };
  for (const Case& c : cases)
    EXPECT_EQ(stepsInside(c.length, c.step), c.expected) << c.length << " / " << c.step;
}

}  // namespace
}  // namespace pictavo
