// A picture drawn in perspective: the projective map through four control points takes the
// picture onto a quadrilateral of the canvas, sampled bilinearly, its edges fading into
// what is beneath.
#pragma once

#include "imaging/argb_frame.h"

namespace pictavo {

// Picture x, y and canvas x, y of each of four control points, in coordinates where pixel i
// spans [i, i + 1).
struct ControlPoints {
  double points[16];
};

// Draws `picture` over `canvas` as the control points place it. Each canvas pixel near the
// quadrilateral takes the picture at the point its centre maps to, interpolated between the
// four nearest pixel centres; beyond the picture's edges those are transparent, so its
// edges fade into the canvas.
void drawInPerspective(cairo_surface_t* canvas, cairo_surface_t* picture,
                       const ControlPoints& control);

}  // namespace pictavo
