#include <gtest/gtest.h>

#include "effects/effect_names.h"
#include "project/pause_table.h"
#include "project/picture_list.h"
#include "support/recording_sink.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "video/timeline.h"

namespace pictavo {
namespace {

ImageItem pictureWithEffect(const std::string& path, int effect) {
  ImageItem item;
  item.path = path;
  item.fileName = baseName(path);
  item.setEffect(effect);
  return item;
}

Project projectOf(int pictures, int pauseFrames) {
  Project project;
  project.settings.width = 64;
  project.settings.height = 48;
  project.settings.pauseFrames = pauseFrames;
  for (int i = 0; i < pictures; ++i) project.pictures.push_back(pictureWithEffect("none.jpg", kNoAnimation));
  return project;
}

void addMusic(Project& project, float milliseconds) {
  project.settings.musicTracks.push_back({"music.mp3", milliseconds, 44100});
  project.settings.musicOn = true;
  project.settings.loopPictures = true;
}

TEST(Timeline, EmptyAndSimpleProjects) {
  Project empty = projectOf(0, 50);
  float seconds = -1;
  EXPECT_EQ(countProjectFrames(empty), 0);
  EXPECT_EQ(videoLength(empty, 31, &seconds), 0);
  EXPECT_EQ(seconds, 0);

  Project one = projectOf(1, 0);
  one.settings.selectPause(11);
  EXPECT_EQ(countProjectFrames(one), 25);
  one.settings.selectPause(15);
  EXPECT_EQ(countProjectFrames(one), 34);
}

TEST(Timeline, IndexesWithoutEffectCountLikeNoAnimation) {
  Project project = projectOf(0, 40);
  for (int index : {93, 94, 99, 150, -3}) project.pictures.push_back(pictureWithEffect("x.jpg", index));
  EXPECT_EQ(countProjectFrames(project), 5 * 40);
}

TEST(Timeline, MusicLongerThanThePicturesRepeatsThem) {
  // Two pictures of 2.16 s each (54 frames) under 10.5 s of music: the fifth picture ends
  // at 10.8 s, within the music's last whole second, so it stays.
  Project project = projectOf(2, 0);
  project.settings.applyPauseText("2.16");
  ASSERT_EQ(project.settings.pauseFrames, 54);
  addMusic(project, 10500);
  float seconds = 0;
  EXPECT_EQ(videoLength(project, kNoAnimation, &seconds), 5);
  EXPECT_FLOAT_EQ(seconds, 10.8f);

  // At 2.2 s (55 frames) the fifth picture would end at 11.0 s: it is left out.
  project.settings.applyPauseText(pauseText(2.2f));
  EXPECT_EQ(videoLength(project, kNoAnimation, &seconds), 4);
  EXPECT_FLOAT_EQ(seconds, 8.8f);

  // Pictures as long as the music: played once.
  project.settings.selectPause(37);  // 8 s each
  EXPECT_EQ(videoLength(project, kNoAnimation, &seconds), 2);
  EXPECT_FLOAT_EQ(seconds, 16.0f);
}

TEST(Timeline, LoopStartEffectOnlyFromTheSecondPass) {
  Project project = projectOf(2, 50);
  addMusic(project, 10500);
  DispatchContext context;
  context.width = 64;
  context.height = 48;
  context.pauseFrames = 50;
  int fade = pictureFrames(context, pictureWithEffect("x.jpg", 31));
  float seconds = 0;
  int pictures = videoLength(project, 31, &seconds);
  // Pass 1: 50 + 50 frames; pass 2 and later: the first picture takes `fade` frames.
  int total = 0, expected = 0;
  float expectedSeconds = 0;
  for (int k = 0;; ++k) {
    int frames = (k % 2 == 0 && k > 0) ? fade : 50;
    total += frames;
    if (total / 25.0f > 10.5f) {
      bool stays = static_cast<int>(total / 25.0f) == 10;
      expected += stays ? 1 : 0;
      expectedSeconds = (stays ? total : total - frames) / 25.0f;
      break;
    }
    ++expected;
  }
  EXPECT_EQ(pictures, expected);
  EXPECT_FLOAT_EQ(seconds, expectedSeconds);
  // Without music the first picture never takes the loop-start effect.
  project.settings.musicTracks.clear();
  EXPECT_EQ(videoLength(project, 31, &seconds), 2);
  EXPECT_FLOAT_EQ(seconds, 4.0f);
}

class TimelineRun : public testing::Test {
 protected:
  void SetUp() override { takeKeptInfoMessages(); }
  std::string picture(const char* name, const char* colour) {
    test::writeSolidPicture(dir.file(name), 32, 24, colour, "PNG");
    return fromFsName(dir.file(name)).value();
  }
  test::TempDir dir;
};

TEST_F(TimelineRun, RendersEveryPictureAndReportsProgress) {
  Project project = projectOf(0, 5);
  project.pictures.push_back(pictureWithEffect(picture("a.png", "#ff0000"), kNoAnimation));
  project.pictures.push_back(pictureWithEffect(picture("b.png", "#00ff00"), 31));
  project.pictures.push_back(pictureWithEffect(picture("c.png", "#0000ff"), 2));
  test::RecordingSink sink;
  Preferences preferences;
  DispatchContext context = dispatchContextFor(project, preferences, &sink);
  std::vector<int> progress;
  std::atomic<bool> cancel{false};
  EXPECT_EQ(runTimeline(project, context, 31, cancel, [&](int k) { progress.push_back(k); }),
            TimelineEnd::Finished);
  EXPECT_EQ(progress, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(sink.count(), countProjectFrames(project));
  WandPtr last = sink.decoded(sink.count() - 1);
  EXPECT_TRUE(test::near(test::pixelAt(last.get(), 32, 24), {0, 0, 255}, 16));
}

TEST_F(TimelineRun, LoopPlayRendersTheLengthItAnnounces) {
  Project project = projectOf(0, 10);
  project.pictures.push_back(pictureWithEffect(picture("a.png", "#ff0000"), kNoAnimation));
  project.pictures.push_back(pictureWithEffect(picture("b.png", "#00ff00"), 31));
  addMusic(project, 3000);
  float seconds = 0;
  int total = runPictureTotal(project, 2, &seconds);
  test::RecordingSink sink(-1, false);
  Preferences preferences;
  std::vector<int> progress;
  std::atomic<bool> cancel{false};
  runTimeline(project, dispatchContextFor(project, preferences, &sink), 2, cancel,
              [&](int k) { progress.push_back(k); });
  EXPECT_GT(total, 2);
  EXPECT_EQ(static_cast<int>(progress.size()), total);
  EXPECT_EQ(sink.count(), static_cast<int>(seconds * 25 + 0.5f));
}

TEST_F(TimelineRun, CancelStopsBeforeTheNextPicture) {
  Project project = projectOf(0, 3);
  for (const char* name : {"a.png", "b.png", "c.png"})
    project.pictures.push_back(pictureWithEffect(picture(name, "#808080"), kNoAnimation));
  test::RecordingSink sink;
  Preferences preferences;
  std::atomic<bool> cancel{false};
  EXPECT_EQ(runTimeline(project, dispatchContextFor(project, preferences, &sink), 31, cancel,
                        [&](int k) { cancel = k == 2; }),
            TimelineEnd::Cancelled);
  EXPECT_EQ(sink.count(), 6);  // pictures 1 and 2

  test::RecordingSink broken(1);
  cancel = false;
  EXPECT_EQ(runTimeline(project, dispatchContextFor(project, preferences, &broken), 31, cancel, nullptr),
            TimelineEnd::SinkFailed);
}

TEST_F(TimelineRun, APictureGoneSinceItWasAddedBecomesABackgroundCanvas) {
  Project project = projectOf(0, 2);
  project.pictures.push_back(pictureWithEffect(fromFsName(dir.file("gone.png")).value(), kNoAnimation));
  test::RecordingSink sink;
  Preferences preferences;
  preferences.backgroundFill = 1;  // black
  std::atomic<bool> cancel{false};
  EXPECT_EQ(runTimeline(project, dispatchContextFor(project, preferences, &sink), 31, cancel, nullptr),
            TimelineEnd::Finished);
  ASSERT_EQ(sink.count(), 2);
  WandPtr frame = sink.decoded(0);
  EXPECT_TRUE(test::near(test::pixelAt(frame.get(), 10, 10), {0, 0, 0}, 4));
  std::vector<std::string> log = takeKeptInfoMessages();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(utf8(log[0]).find("gone.png"), std::string::npos);
}

TEST_F(TimelineRun, TurnedPicturesAreRotatedBeforeFitting) {
  Project project = projectOf(0, 1);
  test::writeSolidPicture(dir.file("wide.png"), 60, 20, "#ff0000", "PNG");
  ImageItem item = pictureWithEffect(fromFsName(dir.file("wide.png")).value(), kNoAnimation);
  item.turnAngle = 90;
  project.pictures.push_back(item);
  test::RecordingSink sink;
  Preferences preferences;  // white background
  std::atomic<bool> cancel{false};
  runTimeline(project, dispatchContextFor(project, preferences, &sink), 31, cancel, nullptr);
  WandPtr frame = sink.decoded(0);
  // 20 x 60 upright, shrunk to 16 x 48 in the middle of the 64 x 48 canvas.
  EXPECT_TRUE(test::near(test::pixelAt(frame.get(), 32, 24), {255, 0, 0}, 24));
  EXPECT_TRUE(test::near(test::pixelAt(frame.get(), 5, 24), {255, 255, 255}, 24));
}

}  // namespace
}  // namespace pictavo
