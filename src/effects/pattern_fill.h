// Drawing shapes filled with another picture: inside the shape the target takes the source
// picture's pixels at the same positions; elsewhere it is unchanged. The wipes, arrows,
// sweeps and diagonals uncover the incoming picture this way.
#pragma once

#include <functional>
#include <vector>

#include "imaging/magick_handles.h"

namespace pictavo {

// Renders what `drawing` holds onto `target` with `source` as the fill pattern. The
// drawing's own settings (fill colour, stroke) are left as they are. Paths made by the
// helpers below line the pattern up with the canvas.
void drawWithPicturePattern(MagickWand* target, MagickWand* source, DrawingWand* drawing);

// One closed path, made by addPathCommands (moves, lines, arcs in canvas coordinates),
// filled with `source` onto `target`.
void fillPathWithPicture(MagickWand* target, MagickWand* source,
                         const std::function<void(DrawingWand*)>& addPathCommands);

struct Rectangle {
  double x1, y1, x2, y2;  // two opposite corners, in any order
};

// Rectangles filled with `source` onto `target` in one drawing.
void fillRectanglesWithPicture(MagickWand* target, MagickWand* source,
                               const std::vector<Rectangle>& rectangles);

// Appends a closed pie slice centred at (cx, cy) with radius r from angle `start` to `end`
// (degrees; 0 points right and angles turn clockwise on screen), as its own path.
void drawPieSlice(DrawingWand* drawing, double cx, double cy, double r, double start, double end);

}  // namespace pictavo
