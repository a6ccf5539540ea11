// Shapes filled with a picture at 8 bits: inside the shape the target takes the source's
// pixels at the same positions. The shapes cover pixels as the image library's drawing
// does: a pixel belongs to a shape when its centre, at whole coordinates, lies inside it,
// and pixels next to an edge that passes between centres are partly covered.
#pragma once

#include <functional>
#include <vector>

#include "effects/shape_rectangle.h"
#include "imaging/argb_frame.h"

namespace pictavo {

// Each rectangle (corners in any order) filled with `source` onto `target`.
void fillRectanglesFrom(cairo_surface_t* target, cairo_surface_t* source,
                        const std::vector<Rectangle>& rectangles);

// The path that addPath makes (in coordinates with pixel centres at whole numbers, as
// above) filled antialiased with `source` onto `target`, sub-paths that overlap taken
// even-odd. The shape's edges and any bare lines reach 0.375 pixels further out, as the
// image library's drawing does.
void fillPathFrom(cairo_surface_t* target, cairo_surface_t* source,
                  const std::function<void(cairo_t*)>& addPath);

}  // namespace pictavo
