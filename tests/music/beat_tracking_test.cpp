#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "music/beat_cache.h"
#include "music/beat_tracking.h"
#include "support/make_audio.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

// The distance from `t` to the nearest click of a click track.
double distanceToClick(double t, double period, double offset) {
  double phase = std::fmod(t - offset, period);
  if (phase < 0) phase += period;
  return std::min(phase, period - phase);
}

TEST(BeatTracking, FindsTheClicksOfClickTracks) {
  test::TempDir dir;
  struct Case { double bpm; double offset; };
  for (Case c : {Case{120, 0.25}, Case{97, 0.4}}) {
    std::string path = dir.file("clicks.mp3");
    ASSERT_EQ(test::makeClickTrack(path, c.bpm, 30, "-c:a libmp3lame -ar 44100", c.offset), "");
    std::string error;
    TrackBeats beats = analyseTrackBeats(path, &error);
    ASSERT_EQ(error, "");
    EXPECT_TRUE(beats.clear) << c.bpm;
    EXPECT_NEAR(beats.bpm, c.bpm, 1.0);
    EXPECT_NEAR(beats.seconds, 30, 0.1);
    double period = 60.0 / c.bpm;
    // Every click after the tracker has settled (a few seconds) has its beat.
    EXPECT_GE(beats.beats.size(), static_cast<size_t>((30 - 5) / period));
    double worst = 0;
    for (double beat : beats.beats) worst = std::max(worst, distanceToClick(beat, period, c.offset));
    EXPECT_LE(worst, 0.020) << c.bpm << " BPM";
  }
}

TEST(BeatTracking, SilenceAndSteadyToneHaveNoClearBeat) {
  test::TempDir dir;
  std::string silence = dir.file("silence.mp3");
  ASSERT_EQ(test::makeClickTrack(silence, 120, 20, "-c:a libmp3lame", 100), "");
  std::string tone = dir.file("tone.mp3");
  ASSERT_EQ(test::makeSineAudio(tone, 20, "-c:a libmp3lame"), "");
  for (const std::string& path : {silence, tone}) {
    std::string error;
    TrackBeats beats = analyseTrackBeats(path, &error);
    EXPECT_FALSE(beats.clear) << path;
    EXPECT_EQ(beats.bpm, 0);
  }
  std::string error;
  EXPECT_FALSE(analyseTrackBeats(dir.file("missing.mp3"), &error).clear);
  EXPECT_NE(error, "");
}

// Real music shipped by a Debian package: the tempo found in each half of the piece agrees
// with the tempo of the whole.
TEST(BeatTracking, RealMusicHasAStableTempo) {
  const std::string path = "/usr/share/games/asc/music/machine_wars.mp3";
  if (!std::ifstream(path)) GTEST_SKIP() << "asc-music is not installed";
  TrackBeats whole = trackBeatsOf(path);
  ASSERT_TRUE(whole.clear);
  ASSERT_GT(whole.bpm, 60);
  ASSERT_LT(whole.bpm, 200);
  auto tempoBetween = [&](double from, double to) {
    std::vector<double> distances;
    for (size_t i = 1; i < whole.beats.size(); ++i)
      if (whole.beats[i - 1] >= from && whole.beats[i] < to)
        distances.push_back(whole.beats[i] - whole.beats[i - 1]);
    std::sort(distances.begin(), distances.end());
    return distances[distances.size() / 2];
  };
  double half = whole.seconds / 2;
  double period = 60.0 / whole.bpm;
  EXPECT_NEAR(tempoBetween(10, half), period, 0.02 * period);
  EXPECT_NEAR(tempoBetween(half, whole.seconds - 10), period, 0.02 * period);
  // Cached by file identity: asked again, the same beats come back without decoding.
  auto cached = cachedTrackBeats(path);
  ASSERT_TRUE(cached.has_value());
  EXPECT_EQ(cached->beats, whole.beats);
}

}  // namespace
}  // namespace pictavo
