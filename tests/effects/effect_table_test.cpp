// The dispatch table: every effect index reaches its own row with its constants; only indices
// without an effect come in with a hard cut.
#include <gtest/gtest.h>

#include "effects/effect_names.h"
#include "effects/effect_table.h"

namespace pictavo {
namespace {

TEST(EffectTable, NoEffectReachesTheNoAnimationRenderer) {
  EXPECT_EQ(effectIndices().size(), 97u);
  for (int index : effectIndices()) {
    EXPECT_TRUE(hasEffect(index)) << index;
    ASSERT_NE(findEffectRow(index), nullptr) << index;
    EXPECT_EQ(findEffectRow(index)->index, index);
  }
  for (int index : {-1, 93, 94, 99, 100, 1000}) {
    EXPECT_EQ(findEffectRow(index), nullptr) << index;
    EXPECT_EQ(countEffectFrames(index, 64, 48, 5), 5) << index;  // the hold alone
  }
}

// Ids are what a command line can name an effect by: each leads back to its own row.
TEST(EffectTable, IdsAreUniqueSnakeCaseAndLeadBackToTheirRow) {
  for (const EffectRow& row : effectRows()) {
    EXPECT_EQ(findEffectRow(std::string_view(row.id)), &row) << row.id;
    EXPECT_EQ(std::string(row.id).find_first_not_of("abcdefghijklmnopqrstuvwxyz_"),
              std::string::npos)
        << row.id;
  }
  EXPECT_EQ(findEffectRow(std::string_view("no_such_effect")), nullptr);
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
