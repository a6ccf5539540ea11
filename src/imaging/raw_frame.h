// Raw frames for an encoder that reads pixels instead of JPEG: width x height 32-bit words
// in the memory order of an 8-bit ARGB surface (B, G, R, A on little-endian machines), rows
// top to bottom without padding. Frames are opaque, so premultiplied and straight alpha
// give the same bytes.
#pragma once

#include "imaging/argb_frame.h"
#include "imaging/magick_handles.h"

namespace pictavo {

// The surface's pixels without row padding; empty bytes when memory runs out.
ImageBlob rawFromSurface(cairo_surface_t* frame);

// The wand's current image in the same layout; empty bytes when the library fails.
ImageBlob rawFromWand(MagickWand* frame);

}  // namespace pictavo
