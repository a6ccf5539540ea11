// The zoom frame: the fitted picture enlarged about the canvas centre and cut to the canvas.
#include "imaging/image.h"

namespace pictavo {

WandPtr zoomFrame(int width, int height, MagickWand* picture, int growth) {
  WandPtr enlarged = cloneWand(picture);
  WandPtr canvas = newCanvas(width, height, "#FFFFFF");
  long newWidth = width + growth;
  // The height grows in the canvas proportions, the ratio kept in single precision and the
  // result rounded half up.
  float ratio = static_cast<float>(static_cast<double>(height) / static_cast<double>(width));
  float extra = ratio * static_cast<float>(growth);
  long whole = static_cast<long>(extra);
  long newHeight = height + whole + (extra - static_cast<float>(whole) >= 0.5f ? 1 : 0);
  MagickResizeImage(enlarged.get(), static_cast<size_t>(newWidth), static_cast<size_t>(newHeight),
                    LanczosFilter, 1.0);
  MagickCompositeImage(canvas.get(), enlarged.get(), OverCompositeOp, (width - newWidth) / 2,
                       (height - newHeight) / 2);
  return canvas;
}

}  // namespace pictavo
