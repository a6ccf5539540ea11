#include <gtest/gtest.h>

#include <filesystem>

#include "imaging/image.h"
#include "platform/folders.h"
#include "support/fake_tools.h"
#include "support/make_audio.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/paths.h"
#include "video/cover_art.h"

namespace pictavo {
namespace {

TEST(CoverArt, LongerSideShrinksTo512) {
  struct Case {
    int w, h, ew, eh;
  };
  for (Case c : {Case{600, 400, 512, 341}, {400, 600, 341, 512}, {500, 500, 500, 500},
                 {512, 512, 512, 512}, {513, 513, 512, 512}, {5000, 10, 512, 1}, {10, 5000, 1, 512},
                 {1024, 3, 512, 2}}) {
    int w = 0, h = 0;
    coverSize(c.w, c.h, &w, &h);
    EXPECT_EQ(w, c.ew) << c.w << "x" << c.h;
    EXPECT_EQ(h, c.eh) << c.w << "x" << c.h;
  }
}

TEST(CoverArt, PreparedCoverIsAQuality91JpegTurnedLikeThePicture) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("cover.png"), 600, 400, "#336699", "PNG");
  Project project;
  WandPtr cover = coverImage(project, dir.file("cover.png"));
  ASSERT_TRUE(cover && writeCoverImage(cover.get(), dir.file("out/cover.jpg")));
  WandPtr made(NewMagickWand());
  ASSERT_TRUE(readImageFile(made.get(), dir.file("out/cover.jpg")));
  EXPECT_EQ(imageFormat(made.get()), "JPEG");
  EXPECT_EQ(MagickGetImageWidth(made.get()), 512u);
  EXPECT_EQ(MagickGetImageHeight(made.get()), 341u);
  EXPECT_EQ(MagickGetImageCompressionQuality(made.get()), 91u);

  ImageItem other, same;
  other.path = dir.file("elsewhere.png");
  other.turnAngle = 180;
  same.path = dir.file("cover.png");
  same.turnAngle = 90;
  project.pictures = {other, same, same};
  project.pictures[2].turnAngle = 0;  // only the first picture with the path counts
  cover = coverImage(project, dir.file("cover.png"));
  ASSERT_TRUE(cover && writeCoverImage(cover.get(), dir.file("turned.jpg")));
  ASSERT_TRUE(readImageFile(made.get(), dir.file("turned.jpg")));
  EXPECT_EQ(MagickGetImageWidth(made.get()), 341u);
  EXPECT_EQ(MagickGetImageHeight(made.get()), 512u);

  EXPECT_FALSE(coverImage(project, dir.file("missing.png")));
  EXPECT_FALSE(writeCoverImage(cover.get(), dir.file("cover.png/x.jpg")));  // under a file
}

TEST(CoverArt, TaggedCopyNameAndCommandLine) {
  test::TempDir dir;
  std::string video = dir.file("clip.mp4");
  EXPECT_EQ(taggedCopyPath(video, 1000), dir.file("clip-1000.mp4"));
  test::writeBytes(dir.file("clip-1000.mp4"), "taken");
  EXPECT_EQ(taggedCopyPath(video, 1000), dir.file("clip-1001.mp4"));
  EXPECT_EQ(taggedCopyPath("/v.d/clip.final.MP4", 7), "/v.d/clip.final-7.mp4");
  EXPECT_EQ(coverToolCommandLine("/v/a b.mp4", "/t/cover.jpg", "/v/a b-7.mp4"),
            " \"/v/a b.mp4\" --artwork \"/t/cover.jpg\" --output \"/v/a b-7.mp4\"");
}

TEST(CoverArt, NothingHappensWithoutAReadableCover) {
  test::TempDir dir;
  test::FakeTool tool("AtomicParsley", "exit 0");
  test::writeBytes(dir.file("video.mp4"), "video");
  test::writeBytes(dir.file("cover.jpg"), "\xFF\xD8\xFF not really");
  Project project;
  project.settings.coverOn = true;
  project.settings.coverPath = dir.file("cover.jpg");
  std::vector<std::string> warnings;
  auto warn = [&](const std::string& text) { warnings.push_back(text); };
  attachCover(project, dir.file("video.mp4"), warn);
  project.settings.coverPath = dir.file("gone.jpg");
  attachCover(project, dir.file("video.mp4"), warn);
  project.settings.coverOn = false;
  test::writeSolidPicture(dir.file("cover.jpg"), 20, 20, "#000000", "JPEG");
  project.settings.coverPath = dir.file("cover.jpg");
  attachCover(project, dir.file("video.mp4"), warn);
  EXPECT_TRUE(tool.invocations().empty());
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(test::readBytes(dir.file("video.mp4")), "video");
}

// Command-line runs share one temporary folder: a run prepares its cover under a name of its
// own, gives that to the tool, removes it after, and leaves another run's cover alone.
TEST(CoverArt, ARunPreparesItsCoverUnderItsOwnName) {
  test::TempDir dir;
  const std::string others = joinPath(programFolders().temp, "cover.jpg");
  test::writeBytes(others, "another run's cover");
  test::FakeTool tool("AtomicParsley", "cp \"$1\" \"$OUT\"");
  std::string video = dir.file("video.mp4");
  ASSERT_EQ(test::makeSineAudio(video, 0.5, "-c:a aac"), "");
  test::writeSolidPicture(dir.file("cover.png"), 20, 20, "#ffcc00", "PNG");
  Project project;
  project.settings.coverOn = true;
  project.settings.coverPath = dir.file("cover.png");
  attachCover(project, video, [](const std::string&) {});
  ASSERT_EQ(tool.invocations().size(), 1u);
  const std::string call = tool.invocations()[0];
  const size_t from = call.find("--artwork ") + 10;
  const std::string artwork = call.substr(from, call.find(" --output") - from);
  EXPECT_NE(artwork, others);
  EXPECT_EQ(artwork.rfind(programFolders().temp, 0), 0u) << artwork;
  EXPECT_FALSE(std::filesystem::exists(artwork));
  EXPECT_EQ(test::readBytes(others), "another run's cover");
  std::filesystem::remove(others);
}

// Whatever the tool does short of a complete tagged copy, the video stays exactly as it
// was, no copy is left beside it, and the user hears why the cover is missing.
TEST(CoverArt, AToolThatLeavesNoCompleteCopyNeverReplacesTheVideo) {
  test::TempDir dir;
  std::string video = dir.file("video.mp4");
  ASSERT_EQ(test::makeSineAudio(video, 0.5, "-c:a aac"), "");
  const std::string original = test::readBytes(video);
  test::writeSolidPicture(dir.file("cover.png"), 20, 20, "#ffcc00", "PNG");
  Project project;
  project.settings.coverOn = true;
  project.settings.coverPath = dir.file("cover.png");
  struct Case {
    const char* tool;  // $1 is the video, $OUT the tagged copy
    const char* told;
  };
  const Case cases[] = {
      {"head -c 2000 \"$1\" > \"$OUT\"", "可能是磁盘空间不足"},  // a full disk, exit 0
      {"head -c -1 \"$1\" > \"$OUT\"; echo x >> \"$OUT\"", "被截断"},  // cut, padded to size
      {"cat \"$1\" \"$1\" | tr 'a-z' 'A-Z' > \"$OUT\"", "带封面的视频不完整"},  // garbage
      {"exit 0", "文件不存在"},                                      // no copy at all
      {"cp \"$1\" \"$OUT\"; exit 3", "没有给出错误信息就结束了（退出码 3）"},  // silent failure
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tool);
    test::FakeTool tool("AtomicParsley", c.tool);
    std::vector<std::string> warnings;
    attachCover(project, video, [&](const std::string& text) { warnings.push_back(text); });
    ASSERT_EQ(tool.invocations().size(), 1u);
    EXPECT_EQ(test::readBytes(video), original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2)
        << "only the video and the cover";
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find(test::g(c.told)), std::string::npos) << utf8(warnings[0]);
  }
}

// On a nearly full disk the tool is not started at all: it could not write the copy, and
// the real one was seen to hang instead of failing.
TEST(CoverArt, NoRoomForTheCopyKeepsTheVideoWithoutStartingTheTool) {
  test::TempDir dir;
  std::string disk = dir.file("disk");
  std::filesystem::create_directory(disk);
  if (test::runCommand("mount -t tmpfs -o size=256k tmpfs " + test::shellQuote(disk)).exitCode)
    GTEST_SKIP() << "a small tmpfs cannot be mounted here";
  struct Unmount {
    std::string at;
    ~Unmount() { test::runCommand("umount " + test::shellQuote(at)); }
  } unmount{disk};
  std::string video = disk + "/video.mp4";
  ASSERT_EQ(test::makeSineAudio(video, 4, "-c:a aac -b:a 192k"), "");
  const std::string original = test::readBytes(video);
  ASSERT_GT(original.size(), 64000u);
  test::writeBytes(disk + "/filler", std::string(256 * 1024 - 2 * original.size() + 4096, 'x'));
  test::writeSolidPicture(dir.file("cover.png"), 20, 20, "#ffcc00", "PNG");
  Project project;
  project.settings.coverOn = true;
  project.settings.coverPath = dir.file("cover.png");
  test::FakeTool tool("AtomicParsley", "cp \"$1\" \"$OUT\"");
  std::vector<std::string> warnings;
  attachCover(project, video, [&](const std::string& text) { warnings.push_back(text); });
  EXPECT_TRUE(tool.invocations().empty());
  EXPECT_EQ(test::readBytes(video), original);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find(test::g("磁盘空间不足")), std::string::npos) << utf8(warnings[0]);
}

}  // namespace
}  // namespace pictavo
