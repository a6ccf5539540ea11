// Caption rendering: measuring the text, the caption image, its outline and band.
#include "imaging/caption.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "imaging/caption_fonts.h"
#include "imaging/caption_layout.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/translate.h"

namespace pictavo {
namespace {

using FontMetrics = std::unique_ptr<double, MagickMemoryDeleter>;

// Indexes into the array of MagickQueryFontMetrics.
constexpr int kAscender = 2;
constexpr int kDescender = 3;
constexpr int kOriginX = 11;

// Anything larger than the library's own side limit cannot be drawn anyway.
constexpr double kMaxSide = 16384;

// A caption is not shrunk below this size to fit the frame: smaller is unreadable anyway.
constexpr int kSmallestFittedFontSize = 8;

struct TextBox {
  int width = 0;
  int height = 0;
};

DrawingPtr newTextDrawing(const std::string& fontFile, int fontSize) {
  DrawingPtr draw(NewDrawingWand());
  DrawSetFont(draw.get(), fontFile.c_str());
  DrawSetFontSize(draw.get(), fontSize);
  return draw;
}

// The text box of `text` drawn with `draw`: the width up to the end of the text and the
// height from descender to ascender, with a pixel to spare on each. False when the library
// cannot measure it or the box is beyond any canvas.
bool measureText(DrawingWand* draw, const std::string& text, TextBox* box) {
  WandPtr ruler(NewMagickWand());
  PixelPtr clear = makePixel("none");
  if (!MagickNewImage(ruler.get(), 960, 1, clear.get())) return false;
  FontMetrics metrics(MagickQueryFontMetrics(ruler.get(), draw, text.c_str()));
  if (!metrics) return false;
  const double* m = metrics.get();
  double width = m[kOriginX] + 1;
  double extent = m[kAscender] - m[kDescender];
  if (!(width >= 0 && width < kMaxSide && extent >= 0 && extent < kMaxSide)) return false;
  box->width = static_cast<int>(width);
  box->height = static_cast<int>(extent + 2) + (extent != std::floor(extent) ? 1 : 0);
  return true;
}

// Said once per process: every caption after it would fail the same way.
void sayNoUsableFont() {
  static std::once_flag said;
  std::call_once(said, [] {
    infoLog(localText("没有找到可用的字幕字体，字幕不会显示。请安装中文字体（例如 fonts-wqy-microhei）后再试。"));
  });
}

// Measures with the requested font; a font file the library cannot use (missing, empty,
// not a font) gives way to the fallback font fontconfig finds. The library's own default
// font is never used: it needs Ghostscript fonts that a stock machine lacks.
DrawingPtr measureWithUsableFont(const CaptionRequest& request, int fontSize,
                                 const std::string& text, TextBox* box) {
  for (const std::string& font : {request.fontFile, fallbackCaptionFontFile()}) {
    if (font.empty()) continue;
    DrawingPtr draw = newTextDrawing(font, fontSize);
    if (measureText(draw.get(), text, box)) return draw;
  }
  sayNoUsableFont();
  return nullptr;
}

// The drawing for the caption at the requested size, or smaller when the caption (its text
// and the `extra` pixels around it) would be wider than the room between the side margins:
// a long text, or a narrow show for phones, then stays whole inside the frame instead of
// being cut at its edges. Captions that fit are measured once, as they always were.
DrawingPtr measureFitting(const CaptionRequest& request, const CaptionMargins& margins,
                          const std::string& text, int extra, TextBox* box) {
  const int W = request.canvasWidth;
  const double room = W - marginPixels(margins.left, W) - marginPixels(margins.right, W);
  int size = request.fontSize;
  DrawingPtr draw = measureWithUsableFont(request, size, text, box);
  while (draw && room > 0 && box->width + extra > room && size > kSmallestFittedFontSize) {
    int smaller = static_cast<int>(size * room / (box->width + extra));
    size = std::max(kSmallestFittedFontSize, std::min(smaller, size - 1));
    draw = measureWithUsableFont(request, size, text, box);
  }
  return draw;
}

void annotate(MagickWand* caption, DrawingWand* draw, const char* colour, double x, double y,
              const std::string& text) {
  PixelPtr fill = makePixel(colour);
  DrawSetFillColor(draw, fill.get());
  MagickAnnotateImage(caption, draw, x, y, 0, text.c_str());
}

// A thin outline that keeps a band-less caption readable on any picture: the text drawn
// one pixel around its place in black for white text, in white for any other colour.
void drawOutline(MagickWand* caption, DrawingWand* draw, const std::string& textColour,
                 const std::string& text) {
  const char* colour = textColour == "#ffffff" ? "#000000" : "#ffffff";
  const double offsets[4][2] = {{0, 1}, {1, 0}, {2, 1}, {1, 2}};
  for (const auto& offset : offsets) annotate(caption, draw, colour, offset[0], offset[1], text);
}

}  // namespace

std::unique_ptr<CaptionOverlay> renderCaption(const CaptionRequest& request,
                                              const CaptionMargins& margins) {
  if (request.fontSize <= 0) return nullptr;
  const bool band = request.bandColour != request.textColour;
  const std::string text = utf8(request.text);

  const int padding = band ? 6 : 0;
  TextBox box;
  DrawingPtr draw = measureFitting(request, margins, text, band ? 1 + 2 * padding : 3, &box);
  if (!draw) return nullptr;

  const int w = band ? box.width + 1 + 2 * padding : box.width + 3;
  const int h = band ? box.height + 1 + 2 * padding : box.height + 3;
  CaptionPlacement place = placeCaption(request.location, request.canvasWidth,
                                        request.canvasHeight, w, h, band, margins);

  WandPtr caption(NewMagickWand());
  PixelPtr background = makePixel(band ? request.bandColour.c_str() : "none");
  if (!MagickNewImage(caption.get(), place.width, h, background.get())) return nullptr;

  DrawSetGravity(draw.get(), place.gravity);
  if (!band) drawOutline(caption.get(), draw.get(), request.textColour, text);
  annotate(caption.get(), draw.get(), request.textColour.c_str(),
           place.flush ? padding + 1 : 1, 1, text);
  if (request.bandColour == "#ff619d") MagickSharpenImage(caption.get(), 10, 10);
  MagickClearException(caption.get());

  auto overlay = std::make_unique<CaptionOverlay>();
  overlay->image = std::move(caption);
  overlay->x = place.x;
  overlay->y = place.y;
  overlay->keepAlpha = band ? 0 : 1;
  return overlay;
}

}  // namespace pictavo
