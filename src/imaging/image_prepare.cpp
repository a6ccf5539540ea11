// A picture file made ready for the timeline: read, turned and fitted onto the canvas.
// JPEG pictures take the quick way at 8 bits (jpeg_on_canvas.h); the rest, and JPEG
// pictures the quick way leaves alone, the image library's.
#include <utility>

#include "imaging/image.h"
#include "imaging/jpeg_on_canvas.h"

namespace pictavo {

WandPtr pictureOnCanvas(const std::string& path, int width, int height, const char* background,
                        int turnAngle, std::string* error) {
  int turn = turnAngle > 0 ? turnAngle : 0;
  if (SurfacePtr quick = jpegOnCanvas(path, width, height, background, turn))
    return wandFromSurface(quick.get());
  // A reduced-scale read needs to know the fitted size, so only right-angle turns take it.
  bool scalable = turn % 90 == 0;
  bool quarter = turn % 180 == 90;
  int hintWidth = !scalable ? 0 : quarter ? height : width;
  int hintHeight = !scalable ? 0 : quarter ? width : height;
  long fullWidth = 0, fullHeight = 0;
  WandPtr picture = readPictureForCanvas(path, background, hintWidth, hintHeight, &fullWidth,
                                         &fullHeight, error);
  if (!picture) return nullptr;
  if (turn > 0) {
    PixelPtr fill(NewPixelWand());
    MagickRotateImage(picture.get(), fill.get(), turn);
  }
  if (!scalable) return fitToCanvas(width, height, picture.get(), background);
  if (quarter) std::swap(fullWidth, fullHeight);
  return fitToCanvas(width, height, picture.get(), background, fullWidth, fullHeight);
}

}  // namespace pictavo
