// Cutting a piece out of a picture and laying it onto a frame, as the moving pieces of the
// drags, doors and flying quarters are drawn.
#pragma once

#include <sys/types.h>

#include "imaging/magick_handles.h"

namespace pictavo {

// The part of a picture: width x height at (x, y).
struct PieceRect {
  size_t width, height;
  ssize_t x, y;
};

// Clones `source`, crops the clone to `piece` and composites it with Over onto `target` at
// (atX, atY); the part beyond the target's edges is cut off. A piece without width or
// height lays nothing.
void pastePiece(MagickWand* target, MagickWand* source, const PieceRect& piece, ssize_t atX,
                ssize_t atY);

}  // namespace pictavo
