// The dispatch table: every effect index reaches its own renderer with its constants; only
// indices without an effect reach the no-animation renderer.
#include <gtest/gtest.h>

#include "effects/effect_names.h"
#include "effects/effect_table.h"
#include "effects/no_animation.h"

namespace pictavo {
namespace {

// The indices whose families are in the table so far. Once every family is in, this becomes
// effectIndices(): all 97.
std::vector<int> indicesWithRenderers() {
  std::vector<int> indices;
  auto add = [&](int first, int last) {
    for (int i = first; i <= last; ++i) indices.push_back(i);
  };
  add(5, 24);   // grow and reveal
  add(60, 63);  // edge flips
  add(66, 68);  // squeezes
  add(81, 84);  // shrinks to a corner
  add(89, 92);  // move to the middle and grow
  add(25, 30);  // circles, drags
  add(39, 50);  // flying quarters, staircases, rotating zooms, blinds
  for (int i : {55, 56, 58, 59}) indices.push_back(i);  // diamonds, X shapes
  add(69, 72);  // slide-outs
  add(85, 88);  // slide-ins
  add(95, 98);  // doors
  return indices;
}

TEST(EffectTable, NoEffectReachesTheNoAnimationRenderer) {
  for (int index : indicesWithRenderers()) {
    EXPECT_TRUE(hasEffect(index)) << index;
    EXPECT_NE(rendererFor(index), renderNoAnimation) << "effect " << index;
  }
  for (int index : {-1, 93, 94, 99, 100, 1000})
    EXPECT_EQ(rendererFor(index), renderNoAnimation) << index;
}

TEST(EffectTable, StepsOfTheGrowingAndShrinkingEffects) {
  struct Case {
    std::vector<int> indices;
    int step;  // on 1280 x 720
  } cases[] = {
      {{5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 18, 19, 21, 24, 67}, 80},  // W / 16
      {{14, 16, 20, 22, 23, 68}, 45},                                 // H / 16
      {{17, 66}, 75},                                                 // W / 17
      {{60, 61, 62, 63, 81, 82, 83, 84, 89, 90, 91, 92}, 0},          // none
      {{25, 26, 27, 28}, 80},                                         // W / 16
      {{29, 30}, 45},                                                 // H / 16
      {{39, 40, 58, 59}, 40},                                         // W / 32
      {{41, 42, 43, 44}, 16},                                         // strips
      {{49, 50}, 14},                                                 // strips
      {{45, 46, 47, 48, 55, 56, 69, 70, 71, 72, 85, 86, 87, 88, 95, 96, 97, 98}, 0},  // none
  };
  for (const Case& c : cases)
    for (int index : c.indices) {
      EffectParams params = effectParams(index, 1280, 720);
      EXPECT_EQ(params.step, c.step) << index;
      EXPECT_EQ(params.frames, 0) << index;
    }
}

}  // namespace
}  // namespace pictavo
