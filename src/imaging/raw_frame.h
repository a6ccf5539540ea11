// Raw frames for an encoder that reads pixels instead of JPEG: planar yuv420p as ffmpeg's
// rawvideo reads it. A width x height luma plane, then the blue and red difference planes of
// ceil(width / 2) x ceil(height / 2), no row padding; BT.601 colours in the limited range
// (luma 16..235, chroma 16..240), which is what the encoder writes into the video anyway.
// Converting here, once per distinct frame, spares the encoder converting every frame it
// reads (hold frames repeat the same bytes) and puts 1.5 bytes a pixel through the pipe
// instead of 4.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/argb_frame.h"
#include "imaging/magick_handles.h"

namespace pictavo {

// Bytes in one raw frame of this size.
size_t rawFrameLength(int width, int height);

// Converts opaque 32-bit ARGB words (cairo's ARGB32 layout, 4-byte aligned, `stride` bytes
// a row) into the raw layout at `out`, which holds rawFrameLength(width, height) bytes. Each
// chroma sample is taken from the average of its 2 x 2 pixels (fewer at an odd edge).
void yuv420FromArgb(const unsigned char* pixels, int width, int height, int stride,
                    unsigned char* out);

// The surface's pixels as a raw frame; empty bytes when memory runs out.
ImageBlob rawFromSurface(cairo_surface_t* frame);

// The wand's current image as a raw frame; empty bytes when the library fails.
ImageBlob rawFromWand(MagickWand* frame);

}  // namespace pictavo
