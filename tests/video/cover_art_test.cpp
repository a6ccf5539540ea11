#include <gtest/gtest.h>

#include "imaging/image.h"
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
  ASSERT_TRUE(prepareCover(project, dir.file("cover.png"), dir.file("out/cover.jpg")));
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
  ASSERT_TRUE(prepareCover(project, dir.file("cover.png"), dir.file("turned.jpg")));
  ASSERT_TRUE(readImageFile(made.get(), dir.file("turned.jpg")));
  EXPECT_EQ(MagickGetImageWidth(made.get()), 341u);
  EXPECT_EQ(MagickGetImageHeight(made.get()), 512u);

  EXPECT_FALSE(prepareCover(project, dir.file("missing.png"), dir.file("x.jpg")));
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

}  // namespace
}  // namespace pictavo
