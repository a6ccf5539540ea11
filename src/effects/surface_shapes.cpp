#include "effects/surface_shapes.h"

#include <algorithm>

namespace pictavo {

void fillRectanglesFrom(cairo_surface_t* target, cairo_surface_t* source,
                        const std::vector<Rectangle>& rectangles) {
  CairoPtr cr = drawOn(target);
  cairo_set_source_surface(cr.get(), source, 0, 0);
  for (const Rectangle& r : rectangles) {
    // Pixel i spans [i, i + 1) here and is centred on i there: the rectangle from x1 to x2
    // covers the pixels x1 .. x2, both included.
    double left = std::min(r.x1, r.x2), right = std::max(r.x1, r.x2);
    double top = std::min(r.y1, r.y2), bottom = std::max(r.y1, r.y2);
    cairo_rectangle(cr.get(), left, top, right - left + 1, bottom - top + 1);
  }
  cairo_fill(cr.get());
}

}  // namespace pictavo
