// Resizing at 8 bits with a separable Lanczos-3 filter, the filter the image library
// resizes pictures with, in fixed point with weights worked out once per resize.
#pragma once

#include "imaging/argb_frame.h"
#include "imaging/motion_path.h"

namespace pictavo {

// Replaces the pixels of `target` under the rectangle (x, y, newWidth, newHeight) with all
// of `source` resized to newWidth x newHeight; the rectangle may reach past the target's
// edges (the part outside is cut off). Pixels outside the rectangle are left as they are.
// `target` and `source` must be different surfaces.
void drawLanczosScaled(cairo_surface_t* target, cairo_surface_t* source, int x, int y,
                       int newWidth, int newHeight);

// The same for the part `view` of `source` (picture pixels, sub-pixel), so that a view that
// moves a fraction of a pixel moves the frame by as much; source pixels past the edges count
// as the edge pixel.
void drawLanczosView(cairo_surface_t* target, cairo_surface_t* source, const ViewRect& view, int x,
                     int y, int newWidth, int newHeight);

}  // namespace pictavo
