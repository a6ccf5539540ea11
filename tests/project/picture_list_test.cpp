#include <gtest/gtest.h>

#include "effects/effect_names.h"
#include "imaging/caption_fonts.h"
#include "project/effect_choice.h"
#include "project/picture_list.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"

namespace pictavo {
namespace {

ImageItem withEffect(int index) {
  ImageItem item;
  item.setEffect(index);
  return item;
}

bool isRandomEffect(int index) { return index >= 0 && index <= kLastRandomEffect; }

// The effect rules, run many times over seeds so that "different from" is really checked.
TEST(EffectChoice, FirstPictureGetsNoAnimation) {
  std::vector<ImageItem> list;
  ImageItem added;
  chooseEffectForNewPicture(list, -1, added);
  EXPECT_EQ(added.animationIndex, kNoAnimation);
  EXPECT_EQ(added.animationName, gbk("无动画"));
}

TEST(EffectChoice, AppendingDiffersFromTheLastPicture) {
  for (unsigned seed = 0; seed < 300; ++seed) {
    seedEffectChoice(seed);
    std::vector<ImageItem> list = {withEffect(99), withEffect(17)};
    ImageItem added;
    chooseEffectForNewPicture(list, -1, added);
    ASSERT_TRUE(isRandomEffect(added.animationIndex));
    ASSERT_NE(added.animationIndex, 17);
    EXPECT_EQ(added.animationName, effectName(added.animationIndex));
  }
}

TEST(EffectChoice, InsertingInTheMiddleDiffersFromBothNeighbours) {
  for (unsigned seed = 0; seed < 300; ++seed) {
    seedEffectChoice(seed);
    std::vector<ImageItem> list = {withEffect(99), withEffect(3), withEffect(4)};
    ImageItem added;
    chooseEffectForNewPicture(list, 2, added);
    ASSERT_TRUE(isRandomEffect(added.animationIndex));
    ASSERT_NE(added.animationIndex, 3);
    ASSERT_NE(added.animationIndex, 4);
  }
}

TEST(EffectChoice, InsertingAtTheFront) {
  for (unsigned seed = 0; seed < 100; ++seed) {
    seedEffectChoice(seed);
    // One picture: the new one leads with "无动画", the old one gets any random effect.
    std::vector<ImageItem> one = {withEffect(99)};
    ImageItem added;
    chooseEffectForNewPicture(one, 0, added);
    EXPECT_EQ(added.animationIndex, kNoAnimation);
    ASSERT_TRUE(isRandomEffect(one[0].animationIndex));

    // Several: a first picture with "无动画" gets an effect unlike the second's ...
    std::vector<ImageItem> several = {withEffect(99), withEffect(8), withEffect(9)};
    chooseEffectForNewPicture(several, 0, added);
    ASSERT_TRUE(isRandomEffect(several[0].animationIndex));
    ASSERT_NE(several[0].animationIndex, 8);

    // ... and one that already has an effect keeps it.
    std::vector<ImageItem> keeps = {withEffect(40), withEffect(8)};
    chooseEffectForNewPicture(keeps, 0, added);
    EXPECT_EQ(keeps[0].animationIndex, 40);
  }
}

TEST(EffectChoice, RandomEffectsNeverIncludeTheDoors) {
  seedEffectChoice(1);
  for (int i = 0; i < 2000; ++i) ASSERT_TRUE(isRandomEffect(randomEffectExcept(-1, -1)));
}

class AddPicture : public testing::Test {
 protected:
  void SetUp() override {
    takeKeptInfoMessages();
    seedEffectChoice(42);
  }
  std::string picture(const char* name) {
    test::writeSolidPicture(dir.file(name), 40, 30, "#336699", "JPEG");
    return fromFsName(dir.file(name)).value();
  }
  test::TempDir dir;
  Project project;
};

TEST_F(AddPicture, TakesTheCaptionDefaultsOfTheProject) {
  project.settings.captionsOn = true;
  project.settings.captionColour = 7;  // "粉底白字"
  ASSERT_TRUE(addPicture(project, picture("a.jpg")));
  const ImageItem& item = project.pictures[0];
  EXPECT_EQ(item.caption.mode, 1);
  EXPECT_EQ(item.caption.location, 4);
  EXPECT_EQ(colourText(item.caption.bandColour), "#ff619d");
  EXPECT_EQ(colourText(item.caption.textColour), "#ffffff");
  EXPECT_EQ(item.fileName, "a.jpg");
  EXPECT_EQ(item.turnAngle, 0);
  if (!captionFonts().empty()) {
    EXPECT_EQ(item.caption.fontName, captionFonts()[0].name.substr(0, kFontNameBytes));
  }
}

TEST_F(AddPicture, InsertsAtAPositionAndForcesNoAnimation) {
  ASSERT_TRUE(addPicture(project, picture("a.jpg")));
  ASSERT_TRUE(addPicture(project, picture("c.jpg")));
  AddPictureOptions middle;
  middle.position = 1;
  ASSERT_TRUE(addPicture(project, picture("b.jpg"), middle));
  AddPictureOptions plain;
  plain.forceNoAnimation = true;
  ASSERT_TRUE(addPicture(project, picture("d.jpg"), plain));
  ASSERT_EQ(project.pictures.size(), 4u);
  EXPECT_EQ(project.pictures[1].fileName, "b.jpg");
  EXPECT_EQ(project.pictures[2].fileName, "c.jpg");
  EXPECT_NE(project.pictures[1].animationIndex, project.pictures[0].animationIndex);
  EXPECT_NE(project.pictures[1].animationIndex, project.pictures[2].animationIndex);
  EXPECT_EQ(project.pictures[3].animationIndex, kNoAnimation);
}

TEST_F(AddPicture, StopsAtTheMaximum) {
  project.maxPictures = 2;
  std::string path = picture("a.jpg");
  EXPECT_TRUE(addPicture(project, path));
  EXPECT_TRUE(addPicture(project, path));
  EXPECT_FALSE(addPicture(project, path));
  EXPECT_EQ(project.pictures.size(), 2u);
  std::vector<std::string> log = takeKeptInfoMessages();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(utf8(log[0]), "最多可以添加 2 张图片");
}

TEST_F(AddPicture, RemoveAndClear) {
  ASSERT_TRUE(addPicture(project, picture("a.jpg")));
  ASSERT_TRUE(addPicture(project, picture("b.jpg")));
  EXPECT_FALSE(removePicture(project, 2));
  EXPECT_TRUE(removePicture(project, 0));
  EXPECT_EQ(project.pictures[0].fileName, "b.jpg");
  project.path = gbk("/tmp/项目.dat");
  EXPECT_EQ(project.title(), gbk("项目.dat"));
  project.settings.logoOn = true;
  project.settings.musicTracks.push_back({"a.mp3", 1000, 44100});
  project.clear();
  EXPECT_TRUE(project.pictures.empty());
  EXPECT_TRUE(project.settings.musicTracks.empty());
  EXPECT_FALSE(project.settings.logoOn);
  EXPECT_EQ(project.title(), gbk("新项目"));
  EXPECT_EQ(project.settings.pauseFrames, 50);
  EXPECT_EQ(project.settings.captionColour, 8);
}

}  // namespace
}  // namespace pictavo
