// The renderer contract shared by every transition effect. A renderer brings one picture in:
// it hands on the transition frames from the previous picture's last frame to the new
// picture, then holds the new picture for its pause while its caption fades in, and returns
// its last frame for the next picture. In counting mode it touches no image and only tells
// how many frames it would hand on.
#pragma once

#include "effects/frame_sink.h"
#include "imaging/caption.h"
#include "imaging/magick_handles.h"

namespace pictavo {

// The effect's constants from the dispatch table: a frame count and a step (zooms), a step
// in pixels, a strip count or a fade step, or an angle step in degrees; most use one or none.
struct EffectParams {
  int frames = 0;
  int step = 0;
  double angleStep = 0.0;
};

// picture: the incoming picture fitted on a canvasWidth x canvasHeight canvas; borrowed and
//   never changed; null in counting mode.
// caption: the picture's caption or null (always null in counting mode).
// previous: the last frame of the previous picture, or null for the first picture; the
//   renderer owns it and it is gone when the renderer returns (in counting mode it is left
//   as it is and the caller keeps it: counting callers pass null).
// countOut: non-null selects counting mode; it receives transition frames + holdFrames.
// Returns the final frame (the picture in its final state, without caption), or null when a
// frame could not be handed on, with everything the renderer held destroyed.
using EffectRenderer = WandPtr (*)(int canvasWidth, int canvasHeight, MagickWand* picture,
                                   CaptionOverlay* caption, const EffectParams& params,
                                   int holdFrames, WandPtr previous, FrameSink* sink,
                                   int* countOut);

}  // namespace pictavo
