// Picture-filled shapes drawn within a window of the canvas. The image library visits every
// pixel from the canvas origin to the far corner of a picture-filled shape; when the shape is
// known to lie within a window, handing the library only that window gives the same pixels
// in a fraction of the time.
#pragma once

#include <functional>

#include "imaging/magick_handles.h"

namespace pictavo {

// Columns x .. x + width - 1 and rows y .. y + height - 1 of the canvas.
struct PixelWindow {
  long x = 0, y = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
};

// The window holding the box (x1, y1)-(x2, y2) (corners in any order) and the pixels next to
// its edges that antialiasing touches, cut to the width x height canvas.
PixelWindow windowAround(double x1, double y1, double x2, double y2, int width, int height);

// Path commands in canvas coordinates, handed on relative to the window's origin.
class WindowPath {
 public:
  WindowPath(DrawingWand* drawing, const PixelWindow& window)
      : drawing_(drawing), dx_(window.x), dy_(window.y) {}
  void moveTo(double x, double y);
  void lineTo(double x, double y);
  // A circular arc of radius r to (x, y), the short way round and clockwise on screen.
  void arcTo(double r, double x, double y);

 private:
  DrawingWand* drawing_;
  double dx_, dy_;
};

// Fills the closed path that addPath makes with `source` onto `target`, where the shape and
// the pixels its edges touch lie within `window`: inside the shape the target takes the
// source's pixels at the same positions, exactly as a fill of the whole canvas would.
void fillShapeInWindow(MagickWand* target, MagickWand* source, const PixelWindow& window,
                       const std::function<void(WindowPath&)>& addPath);

// The rectangle (x1, y1)-(x2, y2) filled with `source` onto `target`, drawn only within
// `window` (which may cut the rectangle: the part outside is left as it is).
void fillRectangleInWindow(MagickWand* target, MagickWand* source, const PixelWindow& window,
                           double x1, double y1, double x2, double y2);

}  // namespace pictavo
