#include <gtest/gtest.h>

#include "imaging/image.h"
#include "support/fake_tools.h"
#include "support/test_files.h"
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

}  // namespace
}  // namespace pictavo
