// The canvas that growing effects draw on frame after frame: the outgoing picture itself
// (it is theirs to change), or one black canvas for the first picture. At the end the
// incoming picture is painted over it whole and it becomes the final frame.
#pragma once

#include <utility>

#include "imaging/image.h"
#include "imaging/magick_handles.h"

namespace pictavo {

// `canvas`, taken over from `previous` (or made black) the first time.
inline MagickWand* growingCanvas(WandPtr& canvas, WandPtr& previous, int width, int height) {
  if (!canvas) canvas = previous ? std::move(previous) : newCanvas(width, height, "#000000");
  return canvas.get();
}

// The final frame: the canvas repainted with the picture, or a copy of the picture when no
// frame was drawn on a canvas.
inline WandPtr paintFinalFrame(WandPtr& canvas, MagickWand* picture) {
  if (!canvas) return cloneWand(picture);
  MagickCompositeImage(canvas.get(), picture, OverCompositeOp, 0, 0);
  return std::move(canvas);
}

}  // namespace pictavo
