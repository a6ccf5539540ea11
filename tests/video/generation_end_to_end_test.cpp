// Whole runs with the real ffmpeg and AtomicParsley: small MP4s checked with ffprobe and
// decoded frames.
#include <gtest/gtest.h>

#include <filesystem>

#include "music/mp3_analysis.h"
#include "platform/folders.h"
#include "support/fake_tools.h"
#include "support/make_audio.h"
#include "support/media_probe.h"
#include "support/recording_observer.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "video/generation_checks.h"
#include "video/generation_run.h"
#include "video/timeline.h"

namespace pictavo {
namespace {

using test::g;

class EndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    project_.settings.videoSize = project_.sizes.addCustom(320, 240);
    project_.settings.width = 320;
    project_.settings.height = 240;
    project_.settings.selectPause(11);  // 1 s
    project_.settings.musicOn = false;
  }

  void addPicture(const char* colour, int effect = 99) {
    std::string path = dir_.file(std::string("pic") + std::to_string(project_.pictures.size()) + ".jpg");
    test::writeSolidPicture(path, 320, 240, colour, "JPEG");
    ImageItem item;
    item.path = path;
    item.setEffect(effect);
    project_.pictures.push_back(item);
  }

  void addMusic(double seconds) {
    std::string path = dir_.file("music" + std::to_string(project_.settings.musicTracks.size()) + ".mp3");
    ASSERT_EQ(test::makeSineAudio(path, seconds, "-ar 44100 -ac 2 -b:a 128k -c:a libmp3lame"), "");
    int rate = 0;
    float ms = analyseMp3(path, &rate);
    project_.settings.musicTracks.push_back({path, ms, rate});
    project_.settings.musicOn = true;
  }

  // Checks the project, runs it to the end and returns the observer's end.
  std::string generate(EncoderModeFlag& mode, const std::string& name = "out.mp4") {
    ProjectCheck check = checkProject(project_);
    EXPECT_TRUE(check.ok) << utf8(check.message);
    GenerationOptions options;
    options.mode = &mode;
    GenerationRun run(project_, Preferences(), dir_.file(name), check.sampleRate, observer_, options);
    std::string error;
    EXPECT_TRUE(run.start(&error)) << utf8(error);
    run.wait();
    seconds_ = run.seconds();
    auto ends = observer_.ends();
    return ends.empty() ? "" : ends.back();
  }

  test::TempDir dir_;
  Project project_;
  test::RecordingObserver observer_;
  float seconds_ = 0;
};

TEST_F(EndToEnd, ThreePicturesWithoutMusicThroughEitherTransport) {
  addPicture("#ff0000");
  addPicture("#00ff00");
  addPicture("#0000ff");
  for (bool anonymous : {false, true}) {
    SCOPED_TRACE(anonymous ? "standard input" : "named pipe");
    EncoderModeFlag mode;
    if (anonymous) mode.setAnonymous();
    ASSERT_EQ(generate(mode), "finished");
    float expected = 0;
    videoLength(project_, 31, &expected);
    EXPECT_FLOAT_EQ(seconds_, 3.0f);
    test::MediaInfo info = test::probeMedia(dir_.file("out.mp4"));
    const auto* video = info.stream("video");
    ASSERT_TRUE(video);
    EXPECT_EQ(video->at("width"), "320");
    EXPECT_EQ(video->at("height"), "240");
    EXPECT_EQ(video->at("r_frame_rate"), "25/1");
    EXPECT_EQ(video->at("nb_frames"), "75");
    EXPECT_NEAR(info.duration, expected, 0.04);
    EXPECT_FALSE(info.stream("audio"));
    EXPECT_FALSE(info.artwork());
    // The second second shows the second picture.
    WandPtr frame = test::frameAt(dir_.file("out.mp4"), 1.5);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(test::near(test::pixelAt(frame.get(), 160, 120), {0, 255, 0}, 24));
    EXPECT_EQ(mode.anonymous(), anonymous);
  }
}

TEST_F(EndToEnd, MusicGivesAnAudioStreamAndTheLogoSitsInItsCorner) {
  addPicture("#0000ff");
  addMusic(4.0);
  test::writeSolidPicture(dir_.file("logo.png"), 40, 30, "#ff0000", "PNG");
  project_.settings.logoOn = true;
  project_.settings.logoPath = dir_.file("logo.png");
  const test::Rgb red{255, 0, 0}, blue{0, 0, 255};
  struct Corner {
    long x, y;
  };
  const Corner corners[4] = {{20, 15}, {20, 225}, {300, 15}, {300, 225}};
  for (int location = 0; location < 4; ++location) {
    SCOPED_TRACE(location);
    project_.settings.logoLocation = location;
    EncoderModeFlag mode;
    ASSERT_EQ(generate(mode), "finished");
    test::MediaInfo info = test::probeMedia(dir_.file("out.mp4"));
    ASSERT_TRUE(info.stream("audio"));
    EXPECT_NEAR(info.duration, 1.0, 0.05) << "the music is cut to the pictures";
    WandPtr frame = test::frameAt(dir_.file("out.mp4"), 0.5);
    ASSERT_TRUE(frame);
    for (int corner = 0; corner < 4; ++corner) {
      test::Rgb pixel = test::pixelAt(frame.get(), corners[corner].x, corners[corner].y);
      EXPECT_TRUE(test::near(pixel, corner == location ? red : blue, 40))
          << "corner " << corner << ": " << pixel.r << "," << pixel.g << "," << pixel.b;
    }
  }
}

TEST_F(EndToEnd, LoopPlayRepeatsThePicturesForTheMusic) {
  addPicture("#ff0000");
  addPicture("#00ff00");
  addMusic(3.0);
  project_.settings.loopPictures = true;
  EncoderModeFlag mode;
  ASSERT_EQ(generate(mode), "finished");
  float expected = 0;
  int total = videoLength(project_, 31, &expected);
  EXPECT_EQ(total, 3);
  EXPECT_EQ(observer_.pictures(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(observer_.total(), 3);
  test::MediaInfo info = test::probeMedia(dir_.file("out.mp4"));
  EXPECT_NEAR(info.duration, expected, 0.05);
  WandPtr frame = test::frameAt(dir_.file("out.mp4"), expected - 0.1);  // the first picture again
  ASSERT_TRUE(frame);
  EXPECT_TRUE(test::near(test::pixelAt(frame.get(), 160, 120), {255, 0, 0}, 24));
}

TEST_F(EndToEnd, CoverIsAttachedAtMost512Wide) {
  addPicture("#808080");
  test::writeSolidPicture(dir_.file("cover.jpg"), 600, 400, "#ffcc00", "JPEG");
  project_.settings.coverOn = true;
  project_.settings.coverPath = dir_.file("cover.jpg");
  std::set<std::string> tempBefore = test::tempFolderEntries();
  EncoderModeFlag mode;
  ASSERT_EQ(generate(mode, "with cover.mp4"), "finished");
  EXPECT_TRUE(observer_.warnings().empty());
  test::MediaInfo info = test::probeMedia(dir_.file("with cover.mp4"));
  const auto* art = info.artwork();
  ASSERT_TRUE(art) << "no attached picture";
  EXPECT_EQ(art->at("width"), "512");
  EXPECT_EQ(art->at("height"), "341");
  ASSERT_TRUE(info.stream("video"));
  // Only the video is left: no tagged copy, no prepared cover.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
    files += entry.path().extension() == ".mp4";
  EXPECT_EQ(files, 1);
  EXPECT_EQ(test::tempFolderEntries(), tempBefore);
}

TEST_F(EndToEnd, FailingCoverToolLeavesTheVideoWithoutCover) {
  addPicture("#808080");
  test::writeSolidPicture(dir_.file("cover.jpg"), 100, 100, "#ffcc00", "JPEG");
  project_.settings.coverOn = true;
  project_.settings.coverPath = dir_.file("cover.jpg");
  test::clearErrorLog();
  test::FakeTool tool("AtomicParsley", "echo 'AP error: cannot write' >&2; : > \"$OUT\"; exit 1");
  EncoderModeFlag mode;
  ASSERT_EQ(generate(mode), "finished");
  ASSERT_EQ(observer_.warnings().size(), 1u);
  EXPECT_EQ(observer_.warnings()[0], g("设置封面没有成功：\nAP error: cannot write\n"));
  EXPECT_NE(test::errorLogText().find("setVideoCover\nAP error: cannot write"), std::string::npos);
  test::MediaInfo info = test::probeMedia(dir_.file("out.mp4"));
  EXPECT_TRUE(info.stream("video"));
  EXPECT_FALSE(info.artwork());
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
    files += entry.path().extension() == ".mp4";
  EXPECT_EQ(files, 1) << "the tool's partial copy is removed";
}

}  // namespace
}  // namespace pictavo
