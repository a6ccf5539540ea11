#include <gtest/gtest.h>

#include "effects/effect_names.h"
#include "util/charset.h"
#include "video/auto_pause.h"

namespace pictavo {
namespace {

Project stillPictures(int count, float musicSeconds) {
  Project project;
  project.settings.width = 400;
  project.settings.height = 400;
  for (int i = 0; i < count; ++i) {
    ImageItem item;
    item.setEffect(kNoAnimation);
    project.pictures.push_back(item);
  }
  project.settings.musicTracks.push_back({"a.mp3", musicSeconds * 1000, 44100});
  return project;
}

// Ten pictures without transitions under 30 s of music: the estimate of 2.2 s per picture
// gives 22 s, so the search goes up in steps of 0.01 s to the first pause that fills 30 s.
TEST(AutoPause, SearchesUpwardToTheMusic) {
  Project project = stillPictures(10, 30);
  AutoPause pause = autoPauseTime(project);
  EXPECT_EQ(utf8(pause.text), "3.00秒");
  EXPECT_EQ(pause.frames, 75);
  EXPECT_EQ(project.settings.pauseFrames, 75);
  EXPECT_EQ(project.settings.customPauseText, pause.text);
}

// Ten pictures under 5 s: the estimate (5 - 8) / 10 is negative; the video is then shorter
// than the music, so the search starts at 0.061 s and stops at 0.53 s ("0.52" reads back
// as 12.99... frames and gives 12).
TEST(AutoPause, NegativeEstimateStartsTheSearchAt61Milliseconds) {
  Project project = stillPictures(10, 5);
  AutoPause pause = autoPauseTime(project);
  EXPECT_EQ(utf8(pause.text), "0.53秒");
  EXPECT_EQ(pause.frames, 13);
}

TEST(AutoPause, NoPicturesChangeNothing) {
  Project project = stillPictures(0, 30);
  project.settings.selectPause(21);
  AutoPause pause = autoPauseTime(project);
  EXPECT_EQ(pause.frames, 50);
  EXPECT_TRUE(pause.text.empty());
}

}  // namespace
}  // namespace pictavo
