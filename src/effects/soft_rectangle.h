// A rectangle filled with a picture at 8 bits whose corners may fall between pixel centres,
// its edges antialiased as the image library draws them: a pixel whose centre lies inside
// (edges included) takes the source pixel; one whose centre lies d < 1 pixels outside
// takes it at opacity (1 - d)^2, d measured to the nearest point of the rectangle.
#pragma once

#include "effects/shape_rectangle.h"
#include "imaging/argb_frame.h"

namespace pictavo {

// `rectangle` (corners in any order, pixel centres at whole coordinates) filled with
// `source` onto `target`, which has the same size; what falls off the target is cut off.
void fillSoftRectangleFrom(cairo_surface_t* target, cairo_surface_t* source,
                           const Rectangle& rectangle);

}  // namespace pictavo
