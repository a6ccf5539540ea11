#include <gtest/gtest.h>

#include "effects/effect_names.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "video/length_texts.h"

namespace pictavo {
namespace {

TEST(LengthTexts, VideoLength) {
  Project project;
  EXPECT_EQ(utf8(videoLengthText(project, 31)), "视频长度: 00:00:00");
  ImageItem item;
  item.setEffect(kNoAnimation);
  for (int i = 0; i < 40; ++i) project.pictures.push_back(item);
  project.settings.selectPause(26);  // 3 s each: 120 s
  EXPECT_EQ(utf8(videoLengthText(project, 31)), "视频长度: 00:02:00");
  // With loop play the music decides. From the second pass on the first picture comes in
  // with the loop-start fade (17 frames more): 90585 frames up to the first picture of the
  // 31st pass, then 34 more pictures give 3725.4 s, within the music's last whole second.
  project.settings.musicTracks.push_back({"a.mp3", 3725000, 44100});
  project.settings.loopPictures = true;
  EXPECT_EQ(utf8(videoLengthText(project, 31)), "视频长度: 01:02:05");
  project.settings.loopPictures = false;
  EXPECT_EQ(utf8(videoLengthText(project, 31)), "视频长度: 00:02:00");
}

TEST(LengthTexts, SelectedPictures) {
  takeKeptInfoMessages();
  test::TempDir dir;
  test::writeSolidPicture(dir.file("a.png"), 30, 20, "#ff0000", "PNG");
  Project project;
  project.settings.selectPause(21);
  ImageItem item;
  item.path = fromFsName(dir.file("a.png")).value();
  item.setEffect(kNoAnimation);
  std::string text = utf8(selectionInfoText(project, item));
  EXPECT_EQ(text.find("尺寸: 30 x 20, 类型: PNG 图片"), 0u) << text;
  EXPECT_NE(text.find(", 动画长度: 2.00秒"), std::string::npos) << text;

  item.path = fromFsName(dir.file("missing.png")).value();
  EXPECT_EQ(selectionInfoText(project, item), "");
  std::vector<std::string> log = takeKeptInfoMessages();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(utf8(log[0]).find("无法识别的图片:\r\n"), 0u);

  EXPECT_EQ(utf8(selectionCountText(3)), "选中了 3 张图片");
}

}  // namespace
}  // namespace pictavo
