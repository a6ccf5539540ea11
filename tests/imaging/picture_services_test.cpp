// List icons, descriptions, proportional resizes and the header probe.
#include <gtest/gtest.h>

#include "imaging/image.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::near;
using test::Rgb;

Rgb iconPixel(const ListIcon& icon, int x, int y) {
  const uint8_t* p = &icon.rgba[(static_cast<size_t>(y) * icon.width + x) * 4];
  return {p[0], p[1], p[2]};
}

// The bounding box of the red pixels of an icon: where the thumbnail sits.
struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};
Box redBox(const ListIcon& icon) {
  Box box;
  for (int y = 0; y < icon.height; ++y)
    for (int x = 0; x < icon.width; ++x)
      if (near(iconPixel(icon, x, y), {255, 0, 0}, 40)) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

class PictureServices : public testing::Test {
 protected:
  std::string redPicture(int w, int h, const char* name = "p.png", const char* format = "PNG") {
    test::writeSolidPicture(dir.file(name), w, h, "#ff0000", format);
    return fromFsName(dir.file(name)).value();
  }
  test::TempDir dir;
};

TEST_F(PictureServices, ListIconSizes) {
  struct Case {
    int w, h, iconW, iconH, thumbW, thumbH;
    const char* format = "PNG";
  } cases[] = {
      {300, 200, 144, 144, 142, 94},  // fitted by width, centred in the white field
      {100, 99, 60, 60, 58, 57},
      {50, 40, 144, 144, 50, 40},     // not enlarged
      {200, 300, 144, 144, 94, 142},  // fitted by height
      // Large JPEGs are decoded at a reduced scale; the thumbnail keeps the full size's shape.
      {2401, 1203, 144, 144, 142, 71, "JPEG"},
      {1203, 2401, 144, 144, 71, 142, "JPEG"},
  };
  for (const Case& c : cases) {
    ListIcon icon;
    std::string path = redPicture(c.w, c.h, c.format == std::string("PNG") ? "p.png" : "p.jpg", c.format);
    ASSERT_EQ(makeListIcon(path, c.iconW, c.iconH, 0, &icon), kIconMade);
    EXPECT_EQ(icon.width, c.iconW);
    EXPECT_EQ(icon.height, c.iconH);
    Box box = redBox(icon);
    EXPECT_NEAR(box.right - box.left + 1, c.thumbW, 1) << c.w << "x" << c.h;
    EXPECT_NEAR(box.bottom - box.top + 1, c.thumbH, 1) << c.w << "x" << c.h;
    EXPECT_NEAR(box.left, 1 + (c.iconW - c.thumbW - 2) / 2, 1);
    EXPECT_NEAR(box.top, 1 + (c.iconH - c.thumbH - 2) / 2, 1);
    EXPECT_TRUE(near(iconPixel(icon, 0, 0), {0xd4, 0xd0, 0xc8}, 2));  // the grey border
  }
  ListIcon icon;
  makeListIcon(redPicture(300, 200), 144, 144, 0, &icon);
  EXPECT_TRUE(near(iconPixel(icon, 5, 5), {255, 255, 255}, 2));  // the white field
}

TEST_F(PictureServices, ListIconTurnsThePicture) {
  for (std::string path : {redPicture(300, 200), redPicture(1500, 1000, "p.jpg", "JPEG")}) {
    ListIcon icon;
    ASSERT_EQ(makeListIcon(path, 144, 144, 90, &icon), kIconMade);
    Box box = redBox(icon);
    EXPECT_NEAR(box.right - box.left + 1, 94, 1) << path;
    EXPECT_NEAR(box.bottom - box.top + 1, 142, 1) << path;
  }
}

TEST_F(PictureServices, ListIconRefusesAnimationsAndUnreadableFiles) {
  test::writeGif(dir.file("a.gif"), 2, 10);
  ListIcon icon;
  EXPECT_EQ(makeListIcon(fromFsName(dir.file("a.gif")).value(), 144, 144, 0, &icon), kIconAnimated);
  test::writeBytes(dir.file("bad.png"), "\x89PNG broken");
  std::string error;
  EXPECT_EQ(makeListIcon(fromFsName(dir.file("bad.png")).value(), 144, 144, 0, &icon, &error),
            kIconFailed);
  EXPECT_FALSE(error.empty());
}

TEST_F(PictureServices, DescriptionSizeThresholds) {
  std::string path = redPicture(4, 3, "d.png");
  std::string bytes = test::readBytes(dir.file("d.png"));
  struct Case {
    size_t size;
    const char* tail;
  } cases[] = {{1023, "大小: 1023 字节"}, {1024, "大小: 1.0 KB"}, {1048576, "大小: 1.0 MB"}};
  for (const Case& c : cases) {
    std::string padded = bytes + std::string(c.size - bytes.size(), '\0');
    test::writeBytes(dir.file("d.png"), padded);
    std::string text;
    ASSERT_EQ(describePicture(path, &text), 1);
    EXPECT_EQ(utf8(text), std::string("尺寸: 4 x 3, 类型: PNG 图片, ") + c.tail);
    PictureHeader header;
    ASSERT_TRUE(probePictureHeader(path, &header));
    EXPECT_EQ(utf8(pictureInfoLine(header)), std::string("尺寸: 4 x 3, 类型: PNG 图片, ") + c.tail);
  }
  std::string text;
  test::writeBytes(dir.file("x.png"), "nothing");
  EXPECT_EQ(describePicture(fromFsName(dir.file("x.png")).value(), &text), 0);
  EXPECT_EQ(utf8(text), "注意: 这不是一个有效的图片");
}

TEST_F(PictureServices, HeaderProbeReadsEachFormat) {
  struct Case {
    const char* format;
    const char* type;
  } cases[] = {{"PNG", "PNG"}, {"JPEG", "JPEG"}, {"GIF", "GIF"}, {"BMP", "BMP"}};
  for (const Case& c : cases) {
    std::string name = std::string("h.") + c.format;
    test::writeSolidPicture(dir.file(name), 321, 123, "#00ff00", c.format);
    PictureHeader header;
    ASSERT_TRUE(probePictureHeader(fromFsName(dir.file(name)).value(), &header)) << c.format;
    EXPECT_EQ(header.type, c.type);
    EXPECT_EQ(header.width, 321);
    EXPECT_EQ(header.height, 123);
  }
}

TEST_F(PictureServices, HeaderProbeFailsOnBrokenHeaders) {
  using namespace std::string_literals;
  const std::string broken[] = {
      ""s,                                  // empty
      "BM"s,                                // a BMP cut after its signature
      "\xFF\xD8\x00\x00"s,                  // a JPEG marker without FF
      "\xFF\xD8\xFF\xE0\x00\x01"s,          // a segment length below 2
      "\xFF\xD8\xFF\xE0\x00\x10JFIF"s,      // ends before any frame marker
      "GIF89a\x00\x00\x05\x00"s,            // width 0
      "plain text"s,
  };
  for (const std::string& bytes : broken) {
    test::writeBytes(dir.file("b"), bytes);
    PictureHeader header;
    EXPECT_FALSE(probePictureHeader(fromFsName(dir.file("b")).value(), &header)) << bytes;
  }
  // An old-style BMP header keeps width and height in one 32-bit value.
  std::string oldBmp(32, '\0');
  oldBmp[0] = 'B';
  oldBmp[1] = 'M';
  oldBmp[2] = 100;  // size
  oldBmp[18] = static_cast<char>(0x40);  // width 0x0140 = 320 in the low half
  oldBmp[19] = 0x01;
  oldBmp[20] = static_cast<char>(0xF0);  // height 0x00F0 = 240 in the high half
  test::writeBytes(dir.file("old.bmp"), oldBmp);
  PictureHeader header;
  ASSERT_TRUE(probePictureHeader(fromFsName(dir.file("old.bmp")).value(), &header));
  EXPECT_EQ(header.width, 320);
  EXPECT_EQ(header.height, 240);
  EXPECT_EQ(header.size, 100);
}

TEST_F(PictureServices, ResizeToEdgeModes) {
  struct Case {
    int w, h, mode;
    bool fitHeight;
    int edge;
    bool keep;
    size_t expectW, expectH;
  } cases[] = {
      {600, 400, 0, false, 512, true, 512, 341},   // shrink by width
      {400, 600, 0, true, 512, true, 341, 512},    // shrink by height
      {300, 200, 0, false, 512, true, 300, 200},   // shrink only: left alone
      {300, 200, 1, false, 600, true, 600, 400},   // enlarge only
      {600, 400, 1, false, 512, true, 600, 400},   // enlarge only: left alone
      {600, 400, 2, false, 300, false, 300, 400},  // both, proportions not kept
  };
  for (const Case& c : cases) {
    WandPtr wand = test::solidPicture(c.w, c.h, "#ffffff");
    EXPECT_EQ(resizeToEdge(wand.get(), c.mode, c.fitHeight, c.edge, c.keep), 1);
    EXPECT_EQ(MagickGetImageWidth(wand.get()), c.expectW) << c.w << "x" << c.h << " mode " << c.mode;
    EXPECT_EQ(MagickGetImageHeight(wand.get()), c.expectH) << c.w << "x" << c.h << " mode " << c.mode;
  }
}

}  // namespace
}  // namespace pictavo
