// Changes on the beat in real videos: the first frame of every transition, found in the
// decoded frames, against the clicks of a click track, found in the decoded sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "music/beat_cache.h"
#include "music/mp3_analysis.h"
#include "platform/folders.h"
#include "support/make_audio.h"
#include "support/media_probe.h"
#include "support/recording_observer.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/text_format.h"
#include "video/auto_pause.h"
#include "video/beat_stays.h"
#include "video/timeline.h"

namespace pictavo {
namespace {

// Seconds of the frames that differ clearly from the frame before: the changes.
std::vector<double> changeTimes(const std::string& video, const test::TempDir& dir) {
  std::string raw = dir.file("frames.rgb");
  test::CommandResult run = test::runCommand(
      "ffmpeg -nostdin -v error -y -i " + test::shellQuote(video) +
      " -vf scale=8:6 -f rawvideo -pix_fmt rgb24 " + test::shellQuote(raw));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  std::ifstream in(raw, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t frameBytes = 8 * 6 * 3;
  std::vector<double> changes;
  bool changing = false;
  for (size_t f = 1; f * frameBytes + frameBytes <= bytes.size(); ++f) {
    double difference = 0;
    for (size_t i = 0; i < frameBytes; ++i)
      difference += std::abs(static_cast<unsigned char>(bytes[f * frameBytes + i]) -
                             static_cast<unsigned char>(bytes[(f - 1) * frameBytes + i]));
    bool differs = difference / frameBytes > 3;
    if (differs && !changing) changes.push_back(static_cast<double>(f) / 25);
    changing = differs;
  }
  return changes;
}

// Seconds where a click starts in the sound: loud after a quiet stretch.
std::vector<double> clickTimes(const std::vector<float>& sound, int rate) {
  std::vector<double> clicks;
  size_t quiet = 0;
  for (size_t i = 0; i < sound.size(); ++i) {
    if (std::abs(sound[i]) > 0.2f) {
      if (quiet > static_cast<size_t>(rate / 10)) clicks.push_back(static_cast<double>(i) / rate);
      quiet = 0;
    } else {
      ++quiet;
    }
  }
  return clicks;
}

double distanceToNearest(double t, const std::vector<double>& times) {
  double best = 1e9;
  for (double x : times) best = std::min(best, std::abs(x - t));
  return best;
}

class BeatChanges : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    project_.settings.videoSize = project_.sizes.addCustom(160, 120);
    project_.settings.width = 160;
    project_.settings.height = 120;
    project_.settings.selectPause(21);  // 2 s
    const char* colours[] = {"#ff0000", "#00ff00", "#0000ff", "#ffff00", "#ffffff", "#000000"};
    const int effects[] = {99, 31, 99, 2, 99, 31};
    for (int i = 0; i < 6; ++i) {
      std::string path = dir_.file("pic" + std::to_string(i) + ".jpg");
      test::writeSolidPicture(path, 160, 120, colours[i], "JPEG");
      ImageItem item;
      item.path = path;
      item.setEffect(effects[i]);
      project_.pictures.push_back(item);
    }
  }

  void setMusic(const std::string& path) {
    int rate = 0;
    float ms = analyseMp3(path, &rate);
    project_.settings.musicTracks = {{path, ms, rate}};
    project_.settings.musicOn = true;
  }

  std::string generate() { return test::generateVideo(project_, dir_.file("out.mp4")); }

  test::TempDir dir_;
  Project project_;
};

// Every change after the first picture starts within a frame of a click, with the pause
// of the list and with the automatic pause; with the automatic pause the show ends within
// a beat of the music.
TEST_F(BeatChanges, EveryChangeStartsOnAClick) {
  struct Case { double bpm; double offset; bool autoPause; };
  for (Case c : {Case{120, 0.25, false}, Case{97, 0.4, true}}) {
    SCOPED_TRACE(c.bpm);
    std::string music = dir_.file("clicks.mp3");
    ASSERT_EQ(test::makeClickTrack(music, c.bpm, 24, "-c:a libmp3lame -ar 44100", c.offset), "");
    setMusic(music);
    project_.settings.beatChanges = true;
    project_.settings.autoPause = c.autoPause;
    project_.settings.selectPause(21);
    if (c.autoPause) autoPauseTime(project_);
    std::string video = generate();
    std::vector<double> changes = changeTimes(video, dir_);
    std::vector<double> clicks = clickTimes(test::decodeAudio(video, 44100), 44100);
    ASSERT_EQ(changes.size(), 5u) << "five changes after the first picture";
    for (double change : changes) EXPECT_LE(distanceToNearest(change, clicks), 0.040) << change;
    double length = test::probeMedia(video).duration;
    if (c.autoPause) {
      EXPECT_NEAR(length, 24, 60 / c.bpm);
    }
  }
}

// Holds stay within the pause list's range, and music without a clear beat gives the even
// pause of today, with a note in the information window.
TEST_F(BeatChanges, HoldsStayInRangeAndMusicWithoutBeatKeepsTheEvenPause) {
  std::vector<double> sparse = {0.5, 30.0, 30.5};  // no beat within reach of most changes
  std::vector<int> holds = beatHolds({0, 20, 0}, 50, sparse);
  ASSERT_EQ(holds.size(), 3u);
  for (int hold : holds) {
    EXPECT_GE(hold, kMinBeatHoldFrames);
    EXPECT_LE(hold, kMaxBeatHoldFrames);
  }
  EXPECT_TRUE(beatHolds({0, 20}, 50, {}).empty());

  std::string tone = dir_.file("tone.mp3");
  ASSERT_EQ(test::makeSineAudio(tone, 20, "-c:a libmp3lame"), "");
  setMusic(tone);
  float plain = 0;
  runPictureTotal(project_, 31, &plain);
  project_.settings.beatChanges = true;
  takeKeptInfoMessages();
  std::string video = generate();
  EXPECT_NEAR(test::probeMedia(video).duration, plain, 0.05);
  std::vector<std::string> notes = takeKeptInfoMessages();
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find(gbk("没有清晰的节拍")), std::string::npos);
}

}  // namespace
}  // namespace pictavo
