// The music options at work in real videos: the sound is decoded from the MP4 and measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "music/mp3_analysis.h"
#include "platform/folders.h"
#include "support/make_audio.h"
#include "support/media_probe.h"
#include "support/recording_observer.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

constexpr int kRate = 44100;

// Root mean square of samples [from, to) seconds.
double rms(const std::vector<float>& samples, double from, double to) {
  size_t a = static_cast<size_t>(from * kRate), b = std::min(samples.size(), static_cast<size_t>(to * kRate));
  double sum = 0;
  for (size_t i = a; i < b; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return b > a ? std::sqrt(sum / static_cast<double>(b - a)) : 0;
}

// Rising zero crossings per second in [from, to): the pitch of a sine.
double pitch(const std::vector<float>& samples, double from, double to) {
  size_t a = static_cast<size_t>(from * kRate), b = static_cast<size_t>(to * kRate);
  int crossings = 0;
  for (size_t i = a + 1; i < b && i < samples.size(); ++i) crossings += samples[i - 1] < 0 && samples[i] >= 0;
  return crossings / (to - from);
}

// Integrated loudness (LUFS) of [from, from + length) seconds of a media file's audio.
double loudness(const std::string& path, double from, double length) {
  test::CommandResult run = test::runCommand(strprintf(
      "ffmpeg -nostdin -hide_banner -ss %g -t %g -i %s -vn -af ebur128 -f null - 2>&1 | grep ' I:' | tail -1",
      from, length, test::shellQuote(path).c_str()));
  size_t at = run.output.find("I:");
  return at == std::string::npos ? 0 : std::atof(run.output.c_str() + at + 2);
}

class MusicFilters : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    project_.settings.videoSize = project_.sizes.addCustom(160, 120);
    project_.settings.width = 160;
    project_.settings.height = 120;
  }

  void addPictures(int count, int pauseIndex) {
    project_.settings.selectPause(pauseIndex);
    for (int i = 0; i < count; ++i) {
      std::string path = dir_.file("pic" + std::to_string(i) + ".jpg");
      test::writeSolidPicture(path, 160, 120, i % 2 ? "#00ff00" : "#ff0000", "JPEG");
      ImageItem item;
      item.path = path;
      item.setEffect(99);
      project_.pictures.push_back(item);
    }
  }

  // A sine track at `volume` (a factor of full scale) and `rate` Hz.
  void addTrack(double seconds, int rate, double volume = 1.0) {
    std::string path = dir_.file("track" + std::to_string(project_.settings.musicTracks.size()) + ".mp3");
    ASSERT_EQ(test::makeSineAudio(path, seconds,
                                  strprintf("-af volume=%g -ar %d -ac 2 -c:a libmp3lame", volume, rate)),
              "");
    int sampleRate = 0;
    float ms = analyseMp3(path, &sampleRate);
    project_.settings.musicTracks.push_back({path, ms, sampleRate});
    project_.settings.musicOn = true;
  }

  std::string generate() { return test::generateVideo(project_, dir_.file("out.mp4")); }

  test::TempDir dir_;
  Project project_;
};

// With every option off the sound is what the encoder always made of the tracks: the
// concatenated MP3s at 44.1 kHz, decoded sample for sample the same.
TEST_F(MusicFilters, AllOffKeepsTheSoundAsBefore) {
  addPictures(1, 31);  // 4 s
  addTrack(3, 44100);
  addTrack(3, 44100, 0.5);
  std::vector<float> made = test::decodeAudio(generate(), kRate);
  std::string reference = dir_.file("reference.mp4");
  const auto& t = project_.settings.musicTracks;
  test::CommandResult run = test::runCommand(
      "ffmpeg -nostdin -v error -y -f lavfi -i color=s=160x120:r=25 -i " +
      test::shellQuote("concat:" + t[0].path + "|" + t[1].path) +
      " -ac 2 -ar 44100 -ab 128k -s 160x120 -t 4.00 -pix_fmt yuv420p " + test::shellQuote(reference));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(made, test::decodeAudio(reference, kRate));
}

TEST_F(MusicFilters, FadesInAtTheStartAndOutWhereThePicturesEnd) {
  addPictures(1, 33);  // 5 s of pictures under 8 s of music: the music is cut
  addTrack(8, 44100);
  project_.settings.fadeInMs = 1000;
  project_.settings.fadeOutMs = 2000;
  std::vector<float> sound = test::decodeAudio(generate(), kRate);
  ASSERT_NEAR(sound.size() / double(kRate), 5.0, 0.1);
  double full = rms(sound, 2.0, 2.9);
  ASSERT_GT(full, 0.05);  // the sine source plays at 1/8 of full scale
  EXPECT_LT(rms(sound, 0.0, 0.1), 0.1 * full);
  EXPECT_GT(rms(sound, 0.5, 0.6), 0.3 * full);
  // The last second falls steadily, window by window, to silence.
  double previous = rms(sound, 3.9, 4.0);
  for (double t = 4.0; t < 4.9; t += 0.1) {
    double now = rms(sound, t, t + 0.1);
    EXPECT_LT(now, previous) << t;
    previous = now;
  }
  EXPECT_LT(rms(sound, 4.9, 4.98), 0.05 * full);
}

TEST_F(MusicFilters, LevellingBringsTracks12DbApartWithin1Lu) {
  addPictures(2, 37);  // 16 s
  addTrack(8, 44100, 0.5);
  addTrack(8, 44100, 0.125);  // 12 dB quieter
  std::string video = generate();
  EXPECT_NEAR(loudness(video, 1, 6) - loudness(video, 9, 6), 12, 1) << "as made, 12 dB apart";
  project_.settings.levelTracks = true;
  video = generate();
  EXPECT_NEAR(loudness(video, 1, 6), loudness(video, 9, 6), 1);
}

// A 48 kHz and a 22.05 kHz track: each plays at its own pitch for its own length, with the
// options off (one concatenated input) and on (a filter graph of per-track inputs).
TEST_F(MusicFilters, TracksOfOtherRatesPlayAtTheRightSpeedAndLength) {
  addPictures(2, 33);  // 10 s
  addTrack(5, 48000);
  addTrack(5, 22050);
  for (bool filtered : {false, true}) {
    SCOPED_TRACE(filtered ? "filters" : "no filters");
    project_.settings.fadeInMs = filtered ? 100 : 0;
    std::vector<float> sound = test::decodeAudio(generate(), kRate);
    EXPECT_NEAR(sound.size() / double(kRate), 10.0, 0.1);
    EXPECT_NEAR(pitch(sound, 0.5, 4.5), 440, 3);
    EXPECT_NEAR(pitch(sound, 5.5, 9.5), 440, 3);
    EXPECT_GT(rms(sound, 9.0, 9.8), 0.05) << "the second track lasts to the end";
  }
}

}  // namespace
}  // namespace pictavo
