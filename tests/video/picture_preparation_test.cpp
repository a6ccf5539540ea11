// Large JPEG pictures are decoded at a reduced scale for frames; the frame must keep the
// geometry of the full picture.
#include <gtest/gtest.h>

#include "imaging/image.h"
#include "support/recording_sink.h"
#include "support/test_files.h"
#include "video/dispatch.h"
#include "video/picture_preparation.h"

namespace pictavo {
namespace {

// Columns (or rows) of the frame that are not background white along the middle line.
struct Extent {
  long first = -1, last = -1;
};

Extent redExtent(MagickWand* frame, bool alongWidth) {
  Extent e;
  long size = static_cast<long>(alongWidth ? MagickGetImageWidth(frame) : MagickGetImageHeight(frame));
  long middle = static_cast<long>(alongWidth ? MagickGetImageHeight(frame) : MagickGetImageWidth(frame)) / 2;
  for (long i = 0; i < size; ++i) {
    test::Rgb p = alongWidth ? test::pixelAt(frame, i, middle) : test::pixelAt(frame, middle, i);
    if (p.r > 128 && p.g < 128) {
      if (e.first < 0) e.first = i;
      e.last = i;
    }
  }
  return e;
}

// The last frame the dispatcher makes for the picture (no animation, one hold frame).
WandPtr dispatchedFrame(const std::string& path, int turn, int width, int height) {
  DispatchContext context;
  context.width = width;
  context.height = height;
  context.pauseFrames = 1;
  test::RecordingSink sink;
  context.sink = &sink;
  ImageItem item;
  item.path = path;
  item.turnAngle = turn;
  item.setEffect(99);
  return dispatchPicture(context, item, nullptr, nullptr);
}

// The same frame from the picture decoded in full.
WandPtr fullFrame(const std::string& path, int turn, int width, int height) {
  WandPtr picture = readPicture(path, "#ffffff");
  if (turn > 0) {
    PixelPtr fill(NewPixelWand());
    MagickRotateImage(picture.get(), fill.get(), turn);
  }
  return fitToCanvas(width, height, picture.get(), "#ffffff");
}

TEST(PicturePreparation, LargeJpegIsDecodedSmallerButNotBelowTheCanvas) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("big.jpg"), 1300, 857, "#ff0000", "JPEG");
  long w = 0, h = 0;
  WandPtr reduced = readPictureForCanvas(dir.file("big.jpg"), "#ffffff", 640, 360, &w, &h);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(w, 1300);
  EXPECT_EQ(h, 857);
  EXPECT_EQ(MagickGetImageWidth(reduced.get()), 650u);
  EXPECT_EQ(MagickGetImageHeight(reduced.get()), 429u);
  // Less than twice the canvas, or not a JPEG: read in full.
  test::writeSolidPicture(dir.file("big.png"), 1300, 857, "#ff0000", "PNG");
  reduced = readPictureForCanvas(dir.file("big.png"), "#ffffff", 640, 360, &w, &h);
  EXPECT_EQ(MagickGetImageWidth(reduced.get()), 1300u);
  reduced = readPictureForCanvas(dir.file("big.jpg"), "#ffffff", 700, 360, &w, &h);
  EXPECT_EQ(MagickGetImageWidth(reduced.get()), 1300u);
  EXPECT_FALSE(readPictureForCanvas(dir.file("none.jpg"), "#ffffff", 640, 360, &w, &h));
}

TEST(PicturePreparation, FramesKeepTheFullPicturesGeometry) {
  // 1300 x 857 fits as 546 x 360; from the half-size decode (650 x 429) the same rule
  // would give 545.
  test::TempDir dir;
  test::writeSolidPicture(dir.file("big.jpg"), 1300, 857, "#ff0000", "JPEG");
  for (int turn : {0, 90, 180, 270}) {
    SCOPED_TRACE(turn);
    bool quarter = turn % 180 == 90;
    int width = quarter ? 360 : 640, height = quarter ? 640 : 360;
    WandPtr made = dispatchedFrame(dir.file("big.jpg"), turn, width, height);
    WandPtr full = fullFrame(dir.file("big.jpg"), turn, width, height);
    ASSERT_TRUE(made && full);
    Extent a = redExtent(made.get(), !quarter), b = redExtent(full.get(), !quarter);
    EXPECT_EQ(a.first, b.first);
    EXPECT_EQ(a.last, b.last);
    EXPECT_EQ(a.last - a.first + 1, 546);
  }
}

// The next picture is prepared while the current one renders, and only handed out for the
// same file and turn.
TEST(PicturePreparation, NextPictureIsPreparedAheadForItsOwnFileAndTurn) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("red.jpg"), 64, 48, "#ff0000", "JPEG");
  test::writeSolidPicture(dir.file("blue.png"), 64, 48, "#0000ff", "PNG");
  DispatchContext context;
  context.width = 64;
  context.height = 48;
  ImageItem red, blue;
  red.path = dir.file("red.jpg");
  blue.path = dir.file("blue.png");
  PicturesAhead ahead(context);
  ahead.prepareNext(red);
  ahead.prepareNext(blue);  // waits for the first, whose picture is then dropped
  WandPtr first = ahead.take(red).first;
  EXPECT_TRUE(test::near(test::pixelAt(first.get(), 32, 24), {255, 0, 0}, 16));
  ahead.prepareNext(blue);
  EXPECT_TRUE(test::near(test::pixelAt(ahead.take(blue).first.get(), 32, 24), {0, 0, 255}, 16));
  ahead.prepareNext(red);
  red.turnAngle = 90;
  EXPECT_EQ(MagickGetImageWidth(ahead.take(red).first.get()), 64u) << "the turned one, made now";
}

}  // namespace
}  // namespace pictavo
