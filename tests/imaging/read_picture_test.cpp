#include <gtest/gtest.h>

#include "imaging/image.h"
#include "support/test_files.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::near;
using test::pixelAt;

// Writes `wand` to `fsPath` in `format`; returns the GBK path the program uses.
std::string save(MagickWand* wand, const std::string& fsPath, const char* format) {
  MagickSetImageFormat(wand, format);
  std::string target = std::string(format) + ":" + fsPath;
  EXPECT_NE(MagickWriteImages(wand, target.c_str(), MagickTrue), MagickFalse) << takeWandError(wand);
  return fromFsName(fsPath).value();
}

WandPtr transparentRed(int w, int h) {
  WandPtr wand = test::solidPicture(w, h, "rgba(255,0,0,0)");
  MagickSetImageAlphaChannel(wand.get(), ActivateAlphaChannel);
  return wand;
}

class ReadPicture : public testing::Test {
 protected:
  test::TempDir dir;
};

TEST_F(ReadPicture, FlattensTransparencyOntoTheFrameBackground) {
  WandPtr png = transparentRed(8, 8);
  std::string path = save(png.get(), dir.file("clear.png"), "PNG");
  WandPtr onBlack = readPicture(path, "#000000");
  WandPtr onWhite = readPicture(path, "#ffffff");
  ASSERT_TRUE(onBlack && onWhite);
  EXPECT_TRUE(near(pixelAt(onBlack.get(), 3, 3), {0, 0, 0}, 2));
  EXPECT_TRUE(near(pixelAt(onWhite.get(), 3, 3), {255, 255, 255}, 2));
}

TEST_F(ReadPicture, BmpAlphaIsSwitchedOffNotFlattened) {
  WandPtr bmp = transparentRed(8, 8);
  std::string path = save(bmp.get(), dir.file("clear.bmp"), "BMP");
  WandPtr read = readPicture(path, "#000000");
  ASSERT_TRUE(read);
  EXPECT_TRUE(near(pixelAt(read.get(), 3, 3), {255, 0, 0}, 2));
}

TEST_F(ReadPicture, CmykJpegComesOutSrgb) {
  WandPtr picture = test::solidPicture(16, 16, "#ff0000");
  MagickTransformImageColorspace(picture.get(), CMYKColorspace);
  std::string path = save(picture.get(), dir.file("cmyk.jpg"), "JPEG");
  EXPECT_TRUE(isCmykFile(path));
  WandPtr read = readPicture(path, "#000000");
  ASSERT_TRUE(read);
  EXPECT_EQ(MagickGetImageColorspace(read.get()), sRGBColorspace);
  EXPECT_TRUE(near(pixelAt(read.get(), 8, 8), {255, 0, 0}, 24));
}

TEST_F(ReadPicture, LayeredPsdGivesItsFirstImage) {
  WandPtr layers = test::solidPicture(40, 30, "#00ff00");
  WandPtr layer = test::solidPicture(20, 10, "#0000ff");
  MagickSetLastIterator(layers.get());
  MagickAddImage(layers.get(), layer.get());
  std::string path = save(layers.get(), dir.file("layers.psd"), "PSD");
  WandPtr read = readPicture(path, "#000000");
  ASSERT_TRUE(read);
  EXPECT_EQ(MagickGetNumberImages(read.get()), 1u);
  EXPECT_EQ(MagickGetImageWidth(read.get()), 40u);
  EXPECT_TRUE(near(pixelAt(read.get(), 30, 20), {0, 255, 0}, 4));
}

TEST_F(ReadPicture, StripsMetadata) {
  WandPtr picture = test::solidPicture(8, 8, "#808080");
  MagickCommentImage(picture.get(), "secret comment");
  std::string path = save(picture.get(), dir.file("comment.png"), "PNG");
  WandPtr read = readPicture(path, "#000000");
  ASSERT_TRUE(read);
  MagickText comment(MagickGetImageProperty(read.get(), "comment"));
  EXPECT_EQ(comment, nullptr);
}

TEST_F(ReadPicture, StillAndAnimatedGifs) {
  struct Case {
    int frames;
    size_t delay;
    bool still;
  } cases[] = {{1, 0, true}, {1, 10, true}, {3, 0, true}, {3, 10, false}};
  for (const Case& c : cases) {
    test::writeGif(dir.file("g.gif"), c.frames, c.delay);
    std::string path = fromFsName(dir.file("g.gif")).value();
    WandPtr read(NewMagickWand());
    ASSERT_TRUE(readImageFile(read.get(), path));
    EXPECT_EQ(isStillImage(read.get()), c.still) << c.frames << " frames, delay " << c.delay;
    EXPECT_EQ(classifyPicture(path), c.still ? PictureKind::Still : PictureKind::Animated);
  }
}

TEST_F(ReadPicture, BuiltInSamplesAndNothingElseByName) {
  for (const char* name : {"logo:", "wizard:", "granite:", "netscape:"}) {
    WandPtr picture = readBuiltinPicture(name, "#000000");
    ASSERT_TRUE(picture) << name;
    EXPECT_GT(MagickGetImageWidth(picture.get()), 100u) << name;
  }
  EXPECT_EQ(readBuiltinPicture("msl:x.msl", "#000000"), nullptr);
  EXPECT_EQ(readBuiltinPicture(dir.file("x.png"), "#000000"), nullptr);
}

TEST_F(ReadPicture, WritesByExtension) {
  WandPtr picture = test::solidPicture(8, 8, "#123456");
  std::string path = fromFsName(dir.file("out.png")).value();
  ASSERT_TRUE(writeImageFile(picture.get(), path));
  EXPECT_EQ(test::readBytes(dir.file("out.png")).substr(1, 3), "PNG");
}

}  // namespace
}  // namespace pictavo
