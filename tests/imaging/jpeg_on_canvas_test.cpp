// The quick way of fitting JPEG pictures against the image library's way, which it
// replaces for frames: the same pixels where nothing is resampled, and within 40 dB where a
// photo is shrunk; pictures the quick way leaves alone still come out as the library reads them.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "imaging/image.h"
#include "imaging/jpeg_decode.h"
#include "imaging/jpeg_on_canvas.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

std::vector<uint8_t> rgbOf(MagickWand* wand) {
  size_t w = MagickGetImageWidth(wand), h = MagickGetImageHeight(wand);
  std::vector<uint8_t> rgb(w * h * 3);
  MagickExportImagePixels(wand, 0, 0, w, h, "RGB", CharPixel, rgb.data());
  return rgb;
}

double psnr(MagickWand* a, MagickWand* b) {
  std::vector<uint8_t> x = rgbOf(a), y = rgbOf(b);
  double sum = 0;
  for (size_t i = 0; i < x.size(); ++i) sum += (x[i] - y[i]) * (x[i] - y[i]);
  return sum == 0 ? INFINITY : 10 * std::log10(255.0 * 255.0 * x.size() / sum);
}

// A photo-like JPEG (fractal plasma) of the given kind.
enum class Kind { Baseline420, Full444, Grey, Progressive, Cmyk };

void writePhoto(const std::string& path, int width, int height, Kind kind) {
  WandPtr wand(NewMagickWand());
  MagickSetSize(wand.get(), static_cast<size_t>(width), static_cast<size_t>(height));
  ASSERT_TRUE(MagickReadImage(wand.get(), "plasma:fractal"));
  MagickSetImageCompressionQuality(wand.get(), 90);
  MagickSetOption(wand.get(), "jpeg:sampling-factor", kind == Kind::Full444 ? "1x1" : "2x2,1x1,1x1");
  if (kind == Kind::Grey) MagickTransformImageColorspace(wand.get(), GRAYColorspace);
  if (kind == Kind::Cmyk) MagickTransformImageColorspace(wand.get(), CMYKColorspace);
  if (kind == Kind::Progressive) MagickSetInterlaceScheme(wand.get(), JPEGInterlace);
  MagickSetImageFormat(wand.get(), "JPEG");
  ASSERT_TRUE(MagickWriteImage(wand.get(), path.c_str()));
}

// Today's way: the library reads (at a reduced scale where it may), turns and fits.
WandPtr libraryFrame(const std::string& path, int width, int height, int turn) {
  bool quarter = turn % 180 == 90;
  long w = 0, h = 0;
  WandPtr picture = readPictureForCanvas(path, "#ffffff", quarter ? height : width,
                                         quarter ? width : height, &w, &h);
  if (!picture) return nullptr;
  if (turn > 0) {
    PixelPtr fill(NewPixelWand());
    MagickRotateImage(picture.get(), fill.get(), turn);
  }
  if (quarter) std::swap(w, h);
  return fitToCanvas(width, height, picture.get(), "#ffffff", w, h);
}

TEST(JpegScale, SmallestDivisorKeepingTheShownSize) {
  struct Case {
    int w, h, minW, minH, divisor;
  };
  for (Case c : {Case{6000, 4000, 1620, 1080, 2}, Case{4000, 3000, 1440, 1080, 2},
                 Case{4000, 3000, 720, 540, 4}, Case{8000, 6000, 100, 100, 8},
                 Case{1280, 720, 1280, 720, 1}, Case{1301, 857, 651, 429, 2},
                 Case{1301, 857, 652, 429, 1}, Case{640, 480, 0, 0, 8}}) {
    EXPECT_EQ(jpegScaleDivisor(c.w, c.h, c.minW, c.minH), c.divisor) << c.w << "x" << c.h;
  }
}

// Nothing resampled (the picture has its shown size, turned or not, or is smaller than the
// frame), and pictures only the library reads (CMYK, cut short): the same pixels as today.
TEST(JpegOnCanvas, UnresampledPicturesAndLibraryOnlyPicturesAreBitExact) {
  test::TempDir dir;
  struct Case {
    Kind kind;
    int width, height;  // the picture; the frame is 320 x 240 (240 x 320 when turned)
    bool cutShort;
  };
  for (Case c : {Case{Kind::Baseline420, 320, 240, false}, Case{Kind::Full444, 320, 240, false},
                 Case{Kind::Grey, 320, 240, false}, Case{Kind::Progressive, 320, 240, false},
                 Case{Kind::Baseline420, 201, 99, false}, Case{Kind::Cmyk, 320, 240, false},
                 Case{Kind::Baseline420, 320, 240, true}}) {
    std::string path = dir.file("p.jpg");
    writePhoto(path, c.width, c.height, c.kind);
    if (c.cutShort) {
      std::string bytes = test::readBytes(path);
      test::writeBytes(path, bytes.substr(0, bytes.size() / 2));
    }
    for (int turn : {0, 90, 180, 270}) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " " << c.width << " turn " << turn);
      int w = turn % 180 ? 240 : 320, h = turn % 180 ? 320 : 240;
      WandPtr made = pictureOnCanvas(path, w, h, "#ffffff", turn);
      WandPtr today = libraryFrame(path, w, h, turn);
      ASSERT_TRUE(made && today);
      EXPECT_EQ(rgbOf(made.get()), rgbOf(today.get()));
    }
    bool quick = c.kind != Kind::Cmyk && !c.cutShort;
    EXPECT_EQ(jpegOnCanvas(path, 320, 240, "#ffffff", 0) != nullptr, quick);
  }
}

// Shrunk photos: decoded at 1/2 or 1/4 and resampled at 8 bits, against the library's
// decode at its own scale and its 16-bit resample; black bars stay black.
TEST(JpegOnCanvas, ShrunkPhotosStayWithin40DecibelsOfTodaysFit) {
  test::TempDir dir;
  struct Case {
    int width, height, frameW, frameH;
  };
  for (Case c : {Case{1200, 800, 320, 180}, Case{650, 429, 320, 180}, Case{800, 600, 320, 180},
                 Case{450, 800, 320, 180}}) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    std::string path = dir.file("photo.jpg");
    writePhoto(path, c.width, c.height, Kind::Baseline420);
    WandPtr made = pictureOnCanvas(path, c.frameW, c.frameH, "#000000", 0);
    long w = 0, h = 0;
    WandPtr picture = readPictureForCanvas(path, "#000000", c.frameW, c.frameH, &w, &h);
    WandPtr today = fitToCanvas(c.frameW, c.frameH, picture.get(), "#000000", w, h);
    ASSERT_TRUE(made && today);
    EXPECT_GE(psnr(made.get(), today.get()), 40.0);
    EXPECT_TRUE(test::near(test::pixelAt(made.get(), 0, 0), test::pixelAt(today.get(), 0, 0), 0));
  }
}

}  // namespace
}  // namespace pictavo
