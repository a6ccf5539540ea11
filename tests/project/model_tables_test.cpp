// The fixed tables of the model: pauses, effect names, sizes, colour schemes.
#include <gtest/gtest.h>

#include <algorithm>

#include "effects/effect_chooser_entries.h"
#include "effects/effect_names.h"
#include "project/caption_styles.h"
#include "project/pause_table.h"
#include "project/project_model.h"
#include "project/size_list.h"
#include "util/charset.h"

namespace pictavo {
namespace {

TEST(PauseTable, FramesFollowTheSinglePrecisionRule) {
  const int expected[kPauseCount] = {2,  3,  4,  5,  7,  10, 12, 15, 17, 20, 22, 25, 27,
                                     30, 32, 34, 37, 40, 42, 44, 47, 50, 55, 60, 64, 69,
                                     75, 80, 85, 89, 94, 100, 112, 125, 137, 150, 175, 200};
  for (int i = 0; i < kPauseCount; ++i) EXPECT_EQ(pauseFramesForIndex(i), expected[i]) << i;
  EXPECT_EQ(utf8(pauseLabel(1)), "0.12秒");
  EXPECT_DOUBLE_EQ(pauseSeconds(1), 0.13);
  EXPECT_EQ(utf8(pauseLabel(21)), "2.0秒");
  EXPECT_EQ(pauseFramesForIndex(38), 0);
}

TEST(PauseTable, ComputedPauseTexts) {
  EXPECT_EQ(utf8(pauseText(2.2f)), "2.20秒");
  EXPECT_EQ(pauseFramesForText(pauseText(2.2f)), 55);
  EXPECT_EQ(pauseFramesForText(pauseText(-0.5f)), -12);
  EXPECT_EQ(pauseFramesForText("abc"), 0);
  ProjectSettings settings;
  settings.applyPauseText(pauseText(1.4f));
  EXPECT_EQ(settings.pauseFrames, 34);  // "1.40" read back in single precision is 1.3999999
  settings.selectPause(15);
  EXPECT_EQ(settings.pauseFrames, 34);
}

TEST(EffectNames, NamedIndicesAndTheRest) {
  EXPECT_EQ(effectIndices().size(), 97u);
  EXPECT_EQ(utf8(effectName(0)), "逐渐缩小");
  EXPECT_EQ(utf8(effectName(31)), "淡入淡出");
  EXPECT_EQ(utf8(effectName(92)), "从右移到中间由小变大");
  EXPECT_EQ(utf8(effectName(98)), "上下关门");
  for (int unnamed : {-1, 93, 94, 99, 100, 12345}) {
    EXPECT_FALSE(hasEffect(unnamed));
    EXPECT_EQ(utf8(effectName(unnamed)), "无动画");
  }
  EXPECT_EQ(effectIndexByName(gbk("风车")), 57);
  EXPECT_EQ(effectIndexByName(gbk("不存在")), kNoAnimation);
}

// The choosers name every effect exactly once, spelled as the effect table spells it.
TEST(EffectNames, ChooserEntriesCoverEveryEffectOnce) {
  std::vector<int> named;
  int separators = 0;
  for (const std::string& entry : effectChooserEntries()) {
    if (isChooserSeparator(entry)) {
      ++separators;
    } else if (entry != gbk("无动画")) {
      EXPECT_NE(effectIndexByName(entry), kNoAnimation) << utf8(entry);
      named.push_back(effectIndexByName(entry));
    }
  }
  std::sort(named.begin(), named.end());
  EXPECT_EQ(named, effectIndices());
  EXPECT_EQ(separators, 24);
  EXPECT_EQ(effectChooserEntries().front(), gbk("无动画"));
}

TEST(SizeList, PresetsLookupsAndCustomSizes) {
  SizeList sizes;
  EXPECT_EQ(sizes.count(), 22);
  EXPECT_EQ(sizes.at(0).sizeText, "");
  EXPECT_EQ(sizes.at(kSizeIndex1280x720).sizeText, "1280x720");
  EXPECT_EQ(sizes.findSizeText("480x270"), 2);
  EXPECT_EQ(sizes.findLabelPrefix(std::string(" 16:9 ( 480 x  270)").substr(0, 15)), 2);
  EXPECT_EQ(sizes.findSizeText("1000x600"), -1);
  int custom = sizes.addCustom(1000, 600);
  EXPECT_EQ(custom, 22);
  EXPECT_EQ(sizes.addCustom(1000, 600), 22);
  // The sizes for phones come after the older entries, each label prefix a settings file
  // keeps (15 bytes) naming its own entry.
  for (int i = 1; i < 22; ++i)
    EXPECT_EQ(sizes.findLabelPrefix(sizes.at(i).label.substr(0, 15)), i) << sizes.at(i).label;
  EXPECT_EQ(sizes.at(kSizeIndex1080x1920).sizeText, "1080x1920");
  EXPECT_EQ(sizes.at(custom).width, 1000);
  int w = 0, h = 0;
  EXPECT_TRUE(SizeList::parseSizeText("720x1280", &w, &h));
  EXPECT_EQ(w, 720);
  EXPECT_FALSE(SizeList::parseSizeText("720x", &w, &h));
  EXPECT_FALSE(SizeList::parseSizeText("0x10", &w, &h));
  EXPECT_FALSE(SizeList::parseSizeText("10x10px", &w, &h));
}

TEST(ColourSchemes, WindowsValuesAndTexts) {
  EXPECT_EQ(colourScheme(2).text, 0xff8000u);  // #0080ff: red in the low byte
  EXPECT_EQ(colourText(colourScheme(2).text), "#0080ff");
  EXPECT_EQ(colourText(colourScheme(12).band), "#ff8000");
  EXPECT_EQ(colourText(colourScheme(6).text), "#004000");
  EXPECT_EQ(utf8(gbk(colourScheme(8).label)), "白色");
  EXPECT_EQ(captionPointSize(8), 36);
  EXPECT_EQ(captionPointSize(99), 36);
  EXPECT_EQ(utf8(captionLocationLabel(0)), "贴边   - 左侧上方");
}

}  // namespace
}  // namespace pictavo
