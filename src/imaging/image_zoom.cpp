// The zoom frame: the fitted picture enlarged about the canvas centre and cut to the canvas.
#include "imaging/image.h"

namespace pictavo {

WandPtr zoomFrame(int width, int height, MagickWand* picture, int growth) {
  // Resizing to the same size with the Lanczos filter gives back the same pixels.
  if (growth == 0) return cloneWand(picture);
  long newWidth = width + growth;
  // The height grows in the canvas proportions, the ratio kept in single precision and the
  // result rounded half up.
  float ratio = static_cast<float>(static_cast<double>(height) / static_cast<double>(width));
  float extra = ratio * static_cast<float>(growth);
  long whole = static_cast<long>(extra);
  long newHeight = height + whole + (extra - static_cast<float>(whole) >= 0.5f ? 1 : 0);
  long x = (width - newWidth) / 2, y = (height - newHeight) / 2;
  WandPtr enlarged = cloneWand(picture);
  MagickResizeImage(enlarged.get(), static_cast<size_t>(newWidth), static_cast<size_t>(newHeight),
                    LanczosFilter, 1.0);
  if (growth > 0) {
    // The opaque enlarged picture covers the whole canvas: laid on a white canvas it would
    // leave exactly its middle, which a crop gives without a canvas and a composite.
    MagickCropImage(enlarged.get(), static_cast<size_t>(width), static_cast<size_t>(height), -x,
                    -y);
    MagickSetImagePage(enlarged.get(), 0, 0, 0, 0);  // as a new canvas has
    return enlarged;
  }
  WandPtr canvas = newCanvas(width, height, "#FFFFFF");
  MagickCompositeImage(canvas.get(), enlarged.get(), OverCompositeOp, x, y);
  return canvas;
}

}  // namespace pictavo
