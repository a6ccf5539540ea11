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

void fillPathFrom(cairo_surface_t* target, cairo_surface_t* source,
                  const std::function<void(cairo_t*)>& addPath) {
  CairoPtr cr = drawOn(target);
  // The source is fixed to the pixel grid before the path is moved by half a pixel, so the
  // picture stays at the same positions.
  cairo_set_source_surface(cr.get(), source, 0, 0);
  cairo_translate(cr.get(), 0.5, 0.5);
  cairo_set_fill_rule(cr.get(), CAIRO_FILL_RULE_EVEN_ODD);
  addPath(cr.get());
  // The image library's antialiased fill reaches a little past a shape's edges, and a
  // sub-path without area still leaves a thin line; a stroke of 0.75 pixels around the
  // filled path (bare lines included) covers the same pixels as closely as measured.
  cairo_fill_preserve(cr.get());
  cairo_set_line_width(cr.get(), 0.75);
  cairo_stroke(cr.get());
}

}  // namespace pictavo
