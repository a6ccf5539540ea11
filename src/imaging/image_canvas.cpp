// Canvases of the video size, fitting pictures onto them and encoding frames as JPEG.
#include "imaging/fit_geometry.h"
#include "imaging/image.h"

namespace pictavo {

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
  FitPlacement place = fitPlacement(width, height, fullWidth, fullHeight);
  if (static_cast<long>(MagickGetImageWidth(picture)) != place.width ||
      static_cast<long>(MagickGetImageHeight(picture)) != place.height)
    MagickResizeImage(picture, static_cast<size_t>(place.width), static_cast<size_t>(place.height),
                      LanczosFilter, 1.0);
  MagickCompositeImage(canvas.get(), picture, OverCompositeOp, place.x, place.y);
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
