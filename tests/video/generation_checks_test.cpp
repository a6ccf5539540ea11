#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/folders.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "video/generation_checks.h"

namespace pictavo {
namespace {

using test::g;

// A project of 320 x 240 with everything off; size entry chosen.
Project plainProject() {
  Project project;
  project.settings.videoSize = project.sizes.addCustom(320, 240);
  project.settings.width = 320;
  project.settings.height = 240;
  project.settings.musicOn = false;
  return project;
}

MusicTrack track(const std::string& path, int rate) { return {path, 1000.0f, rate}; }

// PATH set to an empty folder for the life of the object.
class NoToolsOnPath {
 public:
  NoToolsOnPath() : saved_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    setenv("PATH", dir_.path().c_str(), 1);
  }
  ~NoToolsOnPath() { setenv("PATH", saved_.c_str(), 1); }

 private:
  test::TempDir dir_;
  std::string saved_;
};

TEST(CheckProject, SizeComesFirstAndStopsEveryOtherCheck) {
  Project project = plainProject();
  project.settings.videoSize = 0;
  project.settings.logoOn = true;
  project.settings.logoPath = "/no/such/logo.png";
  ProjectCheck check = checkProject(project);
  EXPECT_FALSE(check.ok);
  EXPECT_EQ(check.message, g("请选择视频尺寸"));
  EXPECT_EQ(check.caption, g("提示"));
  EXPECT_EQ(check.focus, CheckFocus::SizeList);
  EXPECT_TRUE(checkProject(plainProject()).ok);
}

TEST(CheckProject, LogoMustExistBePngOrJpegAndFitTheVideo) {
  test::TempDir dir;
  Project project = plainProject();
  project.settings.logoOn = true;
  project.settings.logoPath = dir.file("missing.png");
  ProjectCheck check = checkProject(project);
  EXPECT_EQ(check.message, g("选择的图标文件不存在，请重新选择"));
  EXPECT_EQ(check.focus, CheckFocus::LogoPanel);

  test::writeSolidPicture(dir.file("logo.bmp"), 10, 10, "#ff0000", "BMP");
  project.settings.logoPath = dir.file("logo.bmp");
  check = checkProject(project);
  EXPECT_EQ(check.message, g("选中的文件格式不受支持，请选择 PNG 或 JPG 格式的图片。"));
  EXPECT_EQ(check.caption, g("错误"));
  test::writeBytes(dir.file("text.png"), "not a picture at all");
  project.settings.logoPath = dir.file("text.png");
  EXPECT_EQ(checkProject(project).caption, g("错误"));

  test::writeSolidPicture(dir.file("exact.png"), 320, 240, "#ff0000", "PNG");
  project.settings.logoPath = dir.file("exact.png");
  EXPECT_TRUE(checkProject(project).ok);
  test::writeSolidPicture(dir.file("wide.jpg"), 321, 240, "#ff0000", "JPEG");
  project.settings.logoPath = dir.file("wide.jpg");
  check = checkProject(project);
  EXPECT_EQ(check.message, g("选择的图标尺寸过大(321 x 240)，请选择一个不大于 320 x 240 的图标。"));
  EXPECT_EQ(check.caption, g("提示"));

  project.settings.logoOn = false;  // an unusable logo that is off is not looked at
  EXPECT_TRUE(checkProject(project).ok);
}

TEST(CheckProject, MissingMusicTrackIsNamedAndSelected) {
  test::TempDir dir;
  test::writeBytes(dir.file("a.mp3"), "x");
  Project project = plainProject();
  project.settings.musicOn = true;
  project.settings.musicTracks = {track(dir.file("a.mp3"), 44100), track(dir.file("gone.mp3"), 44100)};
  ProjectCheck check = checkProject(project);
  EXPECT_EQ(check.message, g("背景音乐 [gone.mp3] 已不存在，请重新选择。"));
  EXPECT_EQ(check.focus, CheckFocus::MusicList);
  EXPECT_EQ(check.musicTrack, 1);
  project.settings.musicOn = false;
  EXPECT_TRUE(checkProject(project).ok);
}

TEST(CheckProject, SampleRatesResolve) {
  int rate = 0;
  std::string refusal;
  auto resolve = [&](std::vector<int> rates) {
    std::vector<MusicTrack> tracks;
    for (size_t i = 0; i < rates.size(); ++i) tracks.push_back(track("/m/" + std::to_string(i) + ".mp3", rates[i]));
    return resolveSampleRate(tracks, &rate, &refusal);
  };
  EXPECT_TRUE(resolve({44100}));
  EXPECT_EQ(rate, -1);
  EXPECT_TRUE(resolve({48000, 48000, 48000}));
  EXPECT_EQ(rate, -1);
  EXPECT_TRUE(resolve({44100, 48000}));
  EXPECT_EQ(rate, 48000);
  EXPECT_TRUE(resolve({48000, 44100}));
  EXPECT_EQ(rate, 32000);
  EXPECT_TRUE(resolve({22050, 44100, 44100}));
  EXPECT_EQ(rate, 48000);
  EXPECT_TRUE(resolve({11025, 8000, 8000}));  // rates off the list remove nothing
  EXPECT_EQ(rate, 44100);
  // Every listed rate taken: all tracks are resampled to 44100 Hz, with a note naming the
  // first track that differs and the one before it.
  EXPECT_TRUE(resolve({44100, 44100, 48000, 32000, 24000, 22050}));
  EXPECT_EQ(rate, 44100);
  EXPECT_NE(refusal.find(g("[1.mp3] 44100Hz，[2.mp3] 48000Hz")), std::string::npos);

  test::TempDir dir;
  Project project = plainProject();
  project.settings.musicOn = true;
  for (const char* name : {"a.mp3", "b.mp3"}) test::writeBytes(dir.file(name), "x");
  project.settings.musicTracks = {track(dir.file("a.mp3"), 44100), track(dir.file("b.mp3"), 48000)};
  ProjectCheck check = checkProject(project);
  EXPECT_TRUE(check.ok);
  EXPECT_EQ(check.sampleRate, 48000);
}

TEST(CheckProject, CoverMustExistBeAPictureAndHaveItsTool) {
  test::TempDir dir;
  Project project = plainProject();
  project.settings.coverOn = true;
  project.settings.coverPath = dir.file("none.jpg");
  ProjectCheck check = checkProject(project);
  EXPECT_EQ(check.message, g("封面图片 ") + dir.file("none.jpg") + g(" 不存在，请重新选择。"));
  EXPECT_EQ(check.caption, g("提示 - 设置封面"));
  EXPECT_EQ(check.focus, CheckFocus::CoverPanel);

  test::writeBytes(dir.file("fake.jpg"), "\xFF\xD8\xFF garbage");
  project.settings.coverPath = dir.file("fake.jpg");
  EXPECT_EQ(checkProject(project).message,
            g("封面图片 ") + dir.file("fake.jpg") + g(" 不是一个有效的图片，请重新选择。"));

  test::writeSolidPicture(dir.file("cover.jpg"), 60, 40, "#00ff00", "JPEG");
  project.settings.coverPath = dir.file("cover.jpg");
  EXPECT_TRUE(checkProject(project).ok);
  NoToolsOnPath noTools;
  EXPECT_EQ(checkProject(project).message,
            g("没有找到 AtomicParsley，请安装 AtomicParsley，或把它放进 ") + programFolders().tool + g(" 文件夹。"));
}

TEST(GenerationNames, DefaultNamesAndTheMp4Ending) {
  Project project;
  ImageItem item;
  item.path = "/photos/a.b.jpg";
  project.pictures.push_back(item);
  std::tm when{};
  when.tm_year = 124;
  when.tm_mon = 2;
  when.tm_mday = 5;
  when.tm_hour = 14;
  when.tm_min = 22;
  when.tm_sec = 33;
  when.tm_isdst = -1;
  std::time_t now = std::mktime(&when);
  EXPECT_EQ(defaultOutputName(project, 1, now), "2024_03_05_142233");
  EXPECT_EQ(defaultOutputName(project, 2, now), "a.b");
  EXPECT_EQ(defaultOutputName(project, 0, now), "");
  EXPECT_EQ(defaultOutputName(Project(), 2, now), "");

  EXPECT_EQ(withMp4Ending("clip.MP4"), "clip.MP4");
  EXPECT_EQ(withMp4Ending("clip"), "clip.mp4");
  EXPECT_EQ(withMp4Ending("clip.mp4.avi"), "clip.mp4.avi.mp4");
}

TEST(GenerationNames, MissingPicturesAreNamedInOneMessage) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("here.jpg"), 8, 8, "#000000", "JPEG");
  Project project;
  for (const char* name : {"here.jpg", "gone1.jpg", "here.jpg", "gone2.jpg"}) {
    ImageItem item;
    item.path = dir.file(name);
    project.pictures.push_back(item);
  }
  std::string message = missingPicturesMessage(project);
  EXPECT_NE(message.find(dir.file("gone1.jpg")), std::string::npos);
  EXPECT_NE(message.find(dir.file("gone2.jpg")), std::string::npos);
  EXPECT_EQ(message.find(dir.file("here.jpg")), std::string::npos);
  project.pictures.erase(project.pictures.begin() + 1);
  project.pictures.pop_back();
  EXPECT_EQ(missingPicturesMessage(project), "");
}

}  // namespace
}  // namespace pictavo
