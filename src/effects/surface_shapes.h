// Shapes filled with a picture at 8 bits: inside the shape the target takes the source's
// pixels at the same positions. The shapes cover pixels as the image library's drawing
// does: a pixel belongs to a shape when its centre, at whole coordinates, lies inside it,
// and pixels next to an edge that passes between centres are partly covered.
#pragma once

#include <vector>

#include "effects/pattern_fill.h"
#include "imaging/argb_frame.h"

namespace pictavo {

// Each rectangle (corners in any order) filled with `source` onto `target`.
void fillRectanglesFrom(cairo_surface_t* target, cairo_surface_t* source,
                        const std::vector<Rectangle>& rectangles);

}  // namespace pictavo
