// Frames at 8 bits: a cairo image surface in premultiplied ARGB (CAIRO_FORMAT_ARGB32), the
// form the effects compose in. A prepared picture is converted into one once per picture;
// frames go out as JPEG straight from it (jpeg_frame.h) and only the final frame of an
// effect becomes an image-library wand again, for the next picture.
#pragma once

#include <cairo.h>

#include <memory>

#include "imaging/magick_handles.h"

namespace pictavo {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const {
    if (s) cairo_surface_destroy(s);
  }
};
struct CairoDeleter {
  void operator()(cairo_t* c) const {
    if (c) cairo_destroy(c);
  }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using CairoPtr = std::unique_ptr<cairo_t, CairoDeleter>;

// A new width x height surface; its pixels are undefined until drawn.
SurfacePtr newSurface(int width, int height);

// A width x height surface over the top-left pixels of `buffer` (no copy, `buffer`'s row
// stride), for drawing a piece of another size each frame without allocating and clearing a
// new surface; it must go before `buffer` does.
SurfacePtr surfaceOver(cairo_surface_t* buffer, int width, int height);

// The wand's current image as a surface of the same size (alpha premultiplied).
SurfacePtr surfaceFromWand(MagickWand* wand);

// A new wand holding the surface's pixels, opaque where the surface is.
WandPtr wandFromSurface(cairo_surface_t* surface);

// A drawing context on the surface.
CairoPtr drawOn(cairo_surface_t* surface);

// Replaces the whole of `target` with `source` laid at (x, y); what it leaves uncovered
// keeps `target`'s pixels.
void copySurface(cairo_surface_t* target, cairo_surface_t* source, double x = 0, double y = 0);

// Copies the width x height part of `source` at (sourceX, sourceY) onto `target` at
// (x, y); what falls beyond the target's edges is cut off.
void pastePart(cairo_surface_t* target, cairo_surface_t* source, int sourceX, int sourceY,
               int width, int height, int x, int y);

}  // namespace pictavo
