// Captions: size, place, band or outline, sharpening, fonts and their fallbacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include "imaging/caption.h"
#include "imaging/caption_fonts.h"
#include "support/run_command.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using test::g;

struct Rgba {
  int r, g, b, a;
};

struct Pixels {
  int width = 0, height = 0;
  std::vector<unsigned char> bytes;
  Rgba at(int x, int y) const {
    const unsigned char* p = &bytes[(static_cast<size_t>(y) * width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
  }
};

Pixels pixelsOf(MagickWand* wand) {
  Pixels px{int(MagickGetImageWidth(wand)), int(MagickGetImageHeight(wand)), {}};
  px.bytes.resize(static_cast<size_t>(px.width) * px.height * 4);
  MagickExportImagePixels(wand, 0, 0, px.width, px.height, "RGBA", CharPixel, px.bytes.data());
  return px;
}

template <typename Test>
int count(const Pixels& px, Test test) {
  int n = 0;
  for (int y = 0; y < px.height; ++y)
    for (int x = 0; x < px.width; ++x) n += test(px.at(x, y)) ? 1 : 0;
  return n;
}

const std::string& wqyFont() {
  static const std::string file = captionFontFile(g("文泉驿微米黑"));
  return file;
}

std::unique_ptr<CaptionOverlay> caption(const char* text, const char* band, const char* colour,
                                        int location = 4, const CaptionMargins& margins = {},
                                        const std::string& font = wqyFont()) {
  CaptionRequest request{1280, 720, g(text), band, colour, font, 36, location};
  auto overlay = renderCaption(request, margins);
  EXPECT_TRUE(overlay);
  return overlay;
}

int width(const CaptionOverlay& c) { return int(MagickGetImageWidth(c.image.get())); }
int height(const CaptionOverlay& c) { return int(MagickGetImageHeight(c.image.get())); }

TEST(CaptionFonts, TheNamedFontElseTheFirstElseNone) {
  std::vector<CaptionFont> table = {{g("黑体"), "/f/simhei.ttf"}, {g("宋体"), "/f/simsun.ttc"}};
  EXPECT_EQ(captionFontFile(table, g("宋体")), "/f/simsun.ttc");
  EXPECT_EQ(captionFontFile(table, g("幼圆")), "/f/simhei.ttf");
  EXPECT_EQ(captionFontFile(table, ""), "/f/simhei.ttf");
  EXPECT_EQ(captionFontFile({}, g("黑体")), "");
  ASSERT_NE(wqyFont().find("wqy-microhei.ttc"), std::string::npos) << "fonts-wqy-microhei";
}

TEST(CaptionPlace, CentreBottomAndInsetCornersUseTheMargins) {
  auto centre = caption("Hello 中文", "#000000", "#ffffff", 4);
  EXPECT_EQ(centre->y + height(*centre), 720 - 108);  // 60 units of 720 / 400
  EXPECT_EQ(centre->x, 640 - width(*centre) / 2);
  auto topLeft = caption("Hello 中文", "#000000", "#ffffff", 5);
  EXPECT_NEAR(topLeft->x, 76.8, 1e-4);
  EXPECT_NEAR(topLeft->y, 43.2, 1e-4);
  auto bottomRight = caption("Hello 中文", "#000000", "#ffffff", 8);
  EXPECT_NEAR(bottomRight->x + width(*bottomRight), 1280 - 76.8, 1e-4);
  EXPECT_NEAR(bottomRight->y + height(*bottomRight), 720 - 43.2, 1e-4);
  // 0.06 rather than 0.06001 truncates to 23 units, 73.6 pixels on 1280.
  auto truncated = caption("Hello", "#000000", "#ffffff", 5, {0.06f, 0.06f, 0.06f, 0.06f, 0.15f});
  EXPECT_NEAR(truncated->x, 73.6, 1e-4);
  // Margins that are not fractions of the canvas still give a caption.
  auto odd = caption("Hello", "#000000", "#ffffff", 5, {NAN, -1, NAN, 7, 0});
  EXPECT_EQ(odd->x, 0);
  EXPECT_EQ(odd->y, 0);
}

TEST(CaptionPlace, LocationsOutOfRangeAreTheCentreBottom) {
  auto centre = caption("Hello", "#000000", "#ffffff", 4);
  for (int location : {-1, 9, 1000, INT_MIN}) {
    auto other = caption("Hello", "#000000", "#ffffff", location);
    EXPECT_EQ(other->x, centre->x) << location;
    EXPECT_EQ(other->y, centre->y) << location;
    EXPECT_EQ(width(*other), width(*centre)) << location;
  }
}

// Flush captions touch the side; with a band it is widened to the edge (19 pixels on 1280)
// and the text keeps to the inner end.
TEST(CaptionPlace, FlushLocationsTouchTheEdge) {
  const int plainWidth = width(*caption("Hello", "#000000", "#ffffff", 4));
  for (int location : {0, 1, 2, 3}) {
    auto c = caption("Hello", "#000000", "#ffffff", location);
    ASSERT_EQ(width(*c), plainWidth + 19) << location;
    const bool left = location < 2;
    EXPECT_EQ(c->x, left ? 0 : 1280 - width(*c)) << location;
    if (location % 2 == 0) {
      EXPECT_NEAR(c->y, 43.2, 1e-4);
    } else {
      EXPECT_NEAR(c->y + height(*c), 720 - 43.2, 1e-4);
    }
    // Band only: the widening and padding on the outer side, the padding on the inner one.
    Pixels px = pixelsOf(c->image.get());
    auto bandOnly = [&](int fromOuterEdge) {
      int x = left ? fromOuterEdge : px.width - 1 - fromOuterEdge;
      for (int y = 0; y < px.height; ++y)
        if (px.at(x, y).r != 0) return false;
      return true;
    };
    for (int x = 0; x < 19 + 6; ++x) EXPECT_TRUE(bandOnly(x)) << location << " outer " << x;
    for (int x = px.width - 6; x < px.width; ++x) EXPECT_TRUE(bandOnly(x)) << location << " " << x;
    auto noBand = caption("Hello", "#ffffff", "#ffffff", location);
    EXPECT_EQ(noBand->x, left ? 0 : 1280 - width(*noBand)) << location;
  }
  EXPECT_EQ(width(*caption("Hello", "#ffffff", "#ffffff", 0)),
            width(*caption("Hello", "#ffffff", "#ffffff", 4)));
}

// In a tall show for phones a caption keeps its margins: one that fits keeps its size, one
// too long for the width is drawn smaller and stays between the side margins, wherever it is.
TEST(CaptionPlace, ATallFrameShrinksOnlyTheCaptionThatWouldRunPastItsSides) {
  const CaptionMargins margins;
  const double left = 720 * 24 / 400.0, right = 720 - left;
  auto inTallFrame = [&](const char* text, const char* band, int location) {
    CaptionRequest request{720, 1280, g(text), band, "#ffffff", wqyFont(), 36, location};
    auto overlay = renderCaption(request, margins);
    EXPECT_TRUE(overlay);
    return overlay;
  };
  auto shortOne = inTallFrame("Hello 中文", "#000000", 4);
  EXPECT_EQ(height(*shortOne), height(*caption("Hello 中文", "#000000", "#ffffff")));
  EXPECT_NEAR(shortOne->y + height(*shortOne), 1280 - 1280 * 60 / 400.0, 1e-4);

  const char* longText = "我们全家去海边度假的第一天，天气很好，大家都很开心";
  const int wide = width(*caption(longText, "#000000", "#ffffff"));
  ASSERT_GT(wide, 720) << "the text must be too long for the tall frame";
  for (const char* band : {"#000000", "#ffffff"}) {
    for (int location : {4, 5, 8, 0, 3}) {
      SCOPED_TRACE(std::string(band) + " at " + std::to_string(location));
      auto c = inTallFrame(longText, band, location);
      const bool flush = location < 4;
      EXPECT_LT(height(*c), height(*inTallFrame("Hello 中文", band, location)));
      EXPECT_GE(c->x, flush ? 0 : left - 1e-4);
      EXPECT_LE(c->x + width(*c), flush ? 720 : right + 1e-4);
    }
  }
}

TEST(CaptionLook, BandIsOpaqueWithTheTextOnIt) {
  auto c = caption("Hello 中文", "#000000", "#ffff00");
  EXPECT_EQ(c->keepAlpha, 0);
  Pixels px = pixelsOf(c->image.get());
  EXPECT_EQ(count(px, [](Rgba p) { return p.a != 255; }), 0);
  EXPECT_EQ(count(px, [](Rgba p) { return p.b != 0; }), 0);  // only black, yellow and blends
  EXPECT_GT(count(px, [](Rgba p) { return p.r == 255 && p.g == 255; }), 300);
}

// The visible pixels next to a transparent one: the outer edge of the ink.
std::vector<Rgba> inkEdge(const Pixels& px) {
  std::vector<Rgba> edge;
  for (int y = 1; y + 1 < px.height; ++y)
    for (int x = 1; x + 1 < px.width; ++x) {
      bool nextToClear = px.at(x - 1, y).a == 0 || px.at(x + 1, y).a == 0 ||
                         px.at(x, y - 1).a == 0 || px.at(x, y + 1).a == 0;
      if (px.at(x, y).a >= 100 && nextToClear) edge.push_back(px.at(x, y));
    }
  return edge;
}

int countNear(const std::vector<Rgba>& pixels, Rgba colour) {
  int n = 0;
  for (Rgba p : pixels)
    n += std::abs(p.r - colour.r) < 60 && std::abs(p.g - colour.g) < 60 &&
         std::abs(p.b - colour.b) < 60;
  return n;
}

TEST(CaptionLook, WithoutBandTheTextIsOutlinedOnTransparency) {
  struct Scheme {
    const char* colour;
    Rgba text, outline;
  };
  const Rgba white{255, 255, 255, 255}, black{0, 0, 0, 255}, blue{0, 0x80, 0xff, 255};
  for (Scheme s : {Scheme{"#ffffff", white, black}, Scheme{"#000000", black, white},
                   Scheme{"#0080ff", blue, white}}) {
    auto c = caption("Hello 中文", s.colour, s.colour);
    EXPECT_EQ(c->keepAlpha, 1);
    Pixels px = pixelsOf(c->image.get());
    EXPECT_EQ(px.at(0, 0).a, 0) << s.colour;
    EXPECT_GT(count(px, [](Rgba p) { return p.a == 0; }), px.width * px.height / 2);
    EXPECT_GT(count(px, [&](Rgba p) { return countNear({p}, s.text) && p.a == 255; }), 200);
    std::vector<Rgba> edge = inkEdge(px);
    EXPECT_GT(countNear(edge, s.outline), 200) << s.colour;
    EXPECT_LT(countNear(edge, s.text), countNear(edge, s.outline) / 10) << s.colour;
  }
}

// A white text on a flat band only blends between the two colours; sharpening overshoots
// into values darker than the band next to the letters.
TEST(CaptionLook, PinkCaptionsAreSharpened) {
  auto darkestGreen = [](const CaptionOverlay& c) {
    Pixels px = pixelsOf(c.image.get());
    int least = 255;
    for (int y = 0; y < px.height; ++y)
      for (int x = 0; x < px.width; ++x)
        if (px.at(x, y).a == 255) least = std::min(least, px.at(x, y).g);
    return least;
  };
  EXPECT_LT(darkestGreen(*caption("Hello 中文", "#ff619d", "#ffffff")), 0x61 - 30);
  EXPECT_GE(darkestGreen(*caption("Hello 中文", "#ff619e", "#ffffff")), 0x61 - 1);
  auto pink = caption("Hello 中文", "#ff619d", "#ff619d");
  EXPECT_EQ(pink->keepAlpha, 1);
  std::vector<Rgba> edge = inkEdge(pixelsOf(pink->image.get()));
  EXPECT_GT(countNear(edge, {255, 255, 255, 255}), 100);
}

// The ink of a white text drawn on a large canvas, against the ink inside the caption: the
// caption must hold every letter whole, descenders and tall marks included.
long inkOf(MagickWand* wand) {
  Pixels px = pixelsOf(wand);
  long sum = 0;
  for (int y = 0; y < px.height; ++y)
    for (int x = 0; x < px.width; ++x) sum += px.at(x, y).r;
  return sum;
}

TEST(CaptionText, CaptionsHoldTheWholeText) {
  const char* text = "gjpqy【中文字幕】ǘ";
  WandPtr sheet = test::solidPicture(1200, 300, "#000000");
  DrawingPtr draw(NewDrawingWand());
  DrawSetFont(draw.get(), wqyFont().c_str());
  DrawSetFontSize(draw.get(), 36);
  PixelPtr white = makePixel("#ffffff");
  DrawSetFillColor(draw.get(), white.get());
  MagickAnnotateImage(sheet.get(), draw.get(), 100, 150, 0, "gjpqy【中文字幕】ǘ");
  const long expected = inkOf(sheet.get());
  for (int location : {0, 2, 4, 7}) {
    auto c = caption(text, "#000000", "#ffffff", location);
    EXPECT_NEAR(inkOf(c->image.get()), expected, expected * 0.03) << location;
    // The band leaves room around the text.
    Pixels px = pixelsOf(c->image.get());
    int top = px.height, bottom = 0, left = px.width, right = 0;
    for (int y = 0; y < px.height; ++y)
      for (int x = 0; x < px.width; ++x)
        if (px.at(x, y).r > 0) {
          top = std::min(top, y), bottom = std::max(bottom, y);
          left = std::min(left, x), right = std::max(right, x);
        }
    EXPECT_GE(std::min({top, px.height - 1 - bottom, left, px.width - 1 - right}), 6) << location;
  }
  // Chinese glyphs of this font are one em wide: 4 x 36 pixels for the four characters.
  auto chinese = caption("中文字幕", "#000000", "#ffffff");
  EXPECT_NEAR(width(*chinese), 4 * 36 + 14, 3);
  EXPECT_GT(inkOf(chinese->image.get()), 255L * 1000);
}

TEST(CaptionText, OddTextIsDrawnAsItIs) {
  // A text cut in the middle of a GBK character keeps the characters before it.
  std::string cut = g("中文") + "\xD6";
  CaptionRequest request{1280, 720, cut, "#000000", "#ffffff", wqyFont(), 36, 4};
  auto c = renderCaption(request);
  ASSERT_TRUE(c);
  EXPECT_EQ(width(*c), width(*caption("中文", "#000000", "#ffffff")));
  // "@file" and "%" escapes are letters, never a file's contents or image properties.
  test::TempDir dir;
  test::writeBytes(dir.file("long.txt"), std::string(300, 'W'));
  EXPECT_LT(width(*caption(("@" + dir.file("long.txt")).c_str(), "#000000", "#ffffff")), 1000);
  EXPECT_GT(width(*caption("%%%%%%%%", "#000000", "#ffffff")),
            width(*caption("%%%%", "#000000", "#ffffff")) * 3 / 2);
  request.fontSize = 0;
  EXPECT_FALSE(renderCaption(request));
}

// An unusable font file gives way to a Chinese font fontconfig finds: the caption comes out
// exactly as if that font had been chosen, Chinese characters included.
TEST(CaptionText, UnusableFontFilesFallBackToAFontconfigChineseFont) {
  const std::string& fallback = fallbackCaptionFontFile();
  ASSERT_FALSE(fallback.empty()) << "no Chinese font known to fontconfig";
  auto expected = caption("Hello 你好", "#000000", "#ffffff", 4, {}, fallback);
  ASSERT_TRUE(expected);
  EXPECT_GT(inkOf(expected->image.get()), 255L * 400);
  test::TempDir dir;
  test::writeBytes(dir.file("empty.ttf"), "");
  test::writeBytes(dir.file("junk.ttf"), std::string(4000, '\x5a'));
  for (const std::string& font : {std::string(), dir.file("missing.ttf"), dir.file("empty.ttf"),
                                  dir.file("junk.ttf")}) {
    auto c = caption("Hello 你好", "#000000", "#ffffff", 4, {}, font);
    ASSERT_TRUE(c) << font;
    EXPECT_EQ(pixelsOf(c->image.get()).bytes, pixelsOf(expected->image.get()).bytes) << font;
  }
}

// On a machine where fontconfig knows no font at all, the video is still made, without
// captions, and the information log says why.
TEST(CaptionText, WithoutAnyFontTheLogSaysSoAndTheVideoIsStillMade) {
  test::TempDir dir;
  test::writeBytes(dir.file("fonts.conf"), "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" +
                                               dir.file("cache") + "</cachedir></fontconfig>\n");
  test::writeSolidPicture(dir.file("a.png"), 64, 48, "#ff0000", "PNG");
  auto run = test::runCommand("cd " + test::shellQuote(dir.path()) + " && FONTCONFIG_FILE=" +
                              test::shellQuote(dir.file("fonts.conf")) + " " +
                              test::shellQuote(PICTAVO_CLI_PATH) +
                              " make -o out.mp4 --size 160x128 --pause 0.2 --caption 你好 a.png");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("没有找到可用的字体"), std::string::npos) << run.output;
  EXPECT_GT(test::readBytes(dir.file("out.mp4")).size(), 1000u);
}

}  // namespace
}  // namespace pictavo
