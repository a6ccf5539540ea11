// Canvases of the video size, fitting pictures onto them and encoding frames as JPEG.
#include "imaging/image.h"

namespace pictavo {
namespace {

// round() of the fitting rule: the truncated value plus 1 when the fraction is 0.5 or more.
long roundHalfUp(float value) {
  long whole = static_cast<long>(value);
  return value - static_cast<float>(whole) >= 0.5f ? whole + 1 : whole;
}

// The shrunk size of a w x h picture that is larger than the W x H canvas.
void shrunkSize(long W, long H, long w, long h, long* newW, long* newH) {
  float heightRatio = static_cast<float>(static_cast<double>(H) / static_cast<double>(h));
  long sw = roundHalfUp(heightRatio * static_cast<float>(w));
  if (sw < W) {
    *newW = sw > 0 ? sw : 1;
    *newH = H;
    return;
  }
  float widthRatio = static_cast<float>(static_cast<double>(W) / static_cast<double>(w));
  long sh = roundHalfUp(static_cast<float>(h) * widthRatio);
  *newW = W;
  *newH = sh > 0 ? sh : 1;
}

}  // namespace

WandPtr newCanvas(int width, int height, const char* colour) {
  WandPtr canvas(NewMagickWand());
  PixelPtr fill = makePixel(colour);
  MagickNewImage(canvas.get(), static_cast<size_t>(width), static_cast<size_t>(height), fill.get());
  return canvas;
}

WandPtr fitToCanvas(int width, int height, MagickWand* picture, const char* colour) {
  return fitToCanvas(width, height, picture, colour, static_cast<long>(MagickGetImageWidth(picture)),
                     static_cast<long>(MagickGetImageHeight(picture)));
}

WandPtr fitToCanvas(int width, int height, MagickWand* picture, const char* colour, long fullWidth,
                    long fullHeight) {
  WandPtr canvas = newCanvas(width, height, colour);
  long w = fullWidth, h = fullHeight;
  if (w > width || h > height) shrunkSize(width, height, fullWidth, fullHeight, &w, &h);
  if (static_cast<long>(MagickGetImageWidth(picture)) != w ||
      static_cast<long>(MagickGetImageHeight(picture)) != h)
    MagickResizeImage(picture, static_cast<size_t>(w), static_cast<size_t>(h), LanczosFilter, 1.0);
  MagickCompositeImage(canvas.get(), picture, OverCompositeOp, (width - w) / 2, (height - h) / 2);
  return canvas;
}

ImageBlob encodeFrame(MagickWand* frame, const PreviewLogo* logo) {
  markAsSrgb(frame);
  // The bytes come from a copy, which shares the frame's pixels until one of them changes.
  // The JPEG coder marks an all-grey image as greyscale: a renderer that goes on drawing
  // colour onto a frame so marked would have every later frame encoded without colour.
  WandPtr copy = cloneWand(frame);
  MagickWand* target = copy.get();
  if (logo && logo->image)
    MagickCompositeImage(target, logo->image, OverCompositeOp, logo->x, logo->y);
  MagickSetImageFormat(target, "JPEG");
  // Half-resolution chroma: what the video ends up with anyway (yuv420p), and a third of
  // the bytes for the encoder to decode compared with the library's full-resolution default.
  MagickSetOption(target, "jpeg:sampling-factor", "2x2,1x1,1x1");
  size_t length = 0;
  unsigned char* bytes = MagickGetImageBlob(target, &length);
  ImageBlob blob;
  blob.bytes.reset(bytes);
  blob.length = bytes ? length : 0;
  return blob;
}

}  // namespace pictavo
