// Reading, normalising, fitting and encoding pictures, and the small picture services for
// the user interface (list icons, descriptions, proportional resizes). Paths are GBK.
// Failures are reported by the return value with the reason in `error` (GBK text).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/magick_handles.h"

namespace pictavo {

// ---- Reading and normalisation --------------------------------------------------------

// Reads the file into `wand` through an open file handle, so the format always comes from
// the content and a name can never select a coder. A file that declares more pixels than
// the program accepts is refused before it is decoded. True when the file was read.
bool readImageFile(MagickWand* wand, const std::string& path, std::string* error = nullptr);

// Writes the wand to `path`, the format taken from the extension (jpg, jpeg, png, bmp,
// gif, ico) or else the wand's own format. True when written.
bool writeImageFile(MagickWand* wand, const std::string& path, std::string* error = nullptr);

// Reads a picture for a frame: one flat opaque sRGB image without metadata, transparency
// flattened onto `background` ("#000000" or "#ffffff"; a BMP's alpha is only switched off),
// the first image of a layered or multi-frame file. Null when the file cannot be read.
WandPtr readPicture(const std::string& path, const char* background, std::string* error = nullptr);

// readPicture for a frame of canvasWidth x canvasHeight: a JPEG at least twice as large as
// the canvas both ways is decoded at a reduced scale that is still no smaller than the
// canvas (the decoder's own scaling costs a fraction of decoding every pixel and resizing
// them away). *fullWidth and *fullHeight receive the picture's full size, which
// fitToCanvas needs to give the same geometry as for the full picture. A canvas size of 0
// reads at full size.
WandPtr readPictureForCanvas(const std::string& path, const char* background, int canvasWidth,
                             int canvasHeight, long* fullWidth, long* fullHeight,
                             std::string* error = nullptr);

// One of ImageMagick's built-in sample pictures ("logo:", "wizard:", "granite:",
// "netscape:"), normalised like readPicture; null for any other name.
WandPtr readBuiltinPicture(const std::string& name, const char* background);

// True when the library read the file but warned that its data is damaged (a truncated
// JPEG, for example); the missing part then shows grey. Logs the path once per call.
bool reportDamagedPicture(MagickWand* wand, const std::string& path);

void convertCmykToSrgb(MagickWand* wand);
void markAsSrgb(MagickWand* wand);
bool isCmykFile(const std::string& path);

// True unless the image is an animation: several images with a non-zero delay.
bool isStillImage(MagickWand* wand);

// What adding a picture needs to know about a file before it takes it.
enum class PictureKind { Still, Animated, Unreadable, Unknown };
PictureKind classifyPicture(const std::string& path, std::string* error = nullptr);

// ---- Canvases and frames ----------------------------------------------------------------

WandPtr newCanvas(int width, int height, const char* colour);

// A new width x height canvas of `colour` with the picture centred on it, shrunk with its
// proportions kept when it is larger (never enlarged). The picture may be resized in place.
WandPtr fitToCanvas(int width, int height, MagickWand* picture, const char* colour);

// The same fit for a picture decoded at a reduced scale: placed and sized as the
// fullWidth x fullHeight picture it stands for would be.
WandPtr fitToCanvas(int width, int height, MagickWand* picture, const char* colour, long fullWidth,
                    long fullHeight);

// The picture file as a width x height frame: read (at a reduced scale when that keeps the
// geometry), turned clockwise by `turnAngle` degrees when above 0, and fitted onto a canvas
// of `background`. Null when the file cannot be read; `error` says why.
WandPtr pictureOnCanvas(const std::string& path, int width, int height, const char* background,
                        int turnAngle, std::string* error = nullptr);

// A new width x height frame showing the fitted picture enlarged by `growth` pixels in width
// (and in proportion in height) about the canvas centre, its overflow cut off equally on both
// sides; growth 0 gives the picture as it is. The zoom effects draw every frame with it.
WandPtr zoomFrame(int width, int height, MagickWand* picture, int growth);

// The logo the preview draws onto every frame it shows (the video gets its logo from the
// encoder instead).
struct PreviewLogo {
  MagickWand* image = nullptr;
  long x = 0;
  long y = 0;
};

// JPEG bytes of the frame. With a preview logo the logo is drawn on a copy; the frame
// itself keeps no logo. Empty bytes when the library fails.
ImageBlob encodeFrame(MagickWand* frame, const PreviewLogo* logo = nullptr);

// ---- Small services for the user interface ---------------------------------------------

// A finished list icon: iw x ih pixels, RGBA, rows top to bottom.
struct ListIcon {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};

inline constexpr int kIconMade = 1;
inline constexpr int kIconFailed = 0;
inline constexpr int kIconAnimated = 255;

// The picture's list icon: thumbnail on a white field inside a grey 1-pixel border, turned
// by `rotation` degrees first when it is above 0. Returns kIconMade, kIconFailed (error
// says why) or kIconAnimated.
int makeListIcon(const std::string& path, int iconWidth, int iconHeight, int rotation,
                 ListIcon* icon, std::string* error = nullptr);

// "尺寸: W x H, 类型: FORMAT 图片, 大小: ..." from the image library; 1 when read, else 0
// with the invalid-picture text.
int describePicture(const std::string& path, std::string* text);

// Resizes to edge length `edge` on the width or (fitHeight) the height, keeping proportions
// when `keep`; mode 0 only shrinks, 1 only enlarges, 2 both. Always 1.
int resizeToEdge(MagickWand* wand, int mode, bool fitHeight, int edge, bool keep);

// ---- Header probe -----------------------------------------------------------------------

struct PictureHeader {
  std::string type;  // "BMP", "JPEG", "GIF" or "PNG"
  int width = 0;
  int height = 0;
  int64_t size = 0;  // bytes
};

// Reads the size of a BMP, JPEG, GIF or PNG from its first bytes. False when the file is
// none of these or its header is broken.
bool probePictureHeader(const std::string& path, PictureHeader* header);

// The picture information line of a probed header.
std::string pictureInfoLine(const PictureHeader& header);

// The line of the header probe, else of the image library; empty when neither can read it.
std::string pictureInformation(const std::string& path);

}  // namespace pictavo
