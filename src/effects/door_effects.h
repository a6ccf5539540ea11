// Doors and flying quarters: a picture split into halves or quarters whose pieces move to or
// from the edges and corners of the canvas.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "左右开门": the outgoing picture's halves slide out to the left and right.
WandPtr renderDoorsOpenSideways(int canvasWidth, int canvasHeight, MagickWand* picture,
                                CaptionOverlay* caption, const EffectParams& params,
                                int holdFrames, WandPtr previous, FrameSink* sink,
                                int* countOut);

// "上下开门": the outgoing picture's halves slide out upward and downward.
WandPtr renderDoorsOpenVertically(int canvasWidth, int canvasHeight, MagickWand* picture,
                                  CaptionOverlay* caption, const EffectParams& params,
                                  int holdFrames, WandPtr previous, FrameSink* sink,
                                  int* countOut);

// "左右关门": the incoming picture's halves slide in from the left and right.
WandPtr renderDoorsCloseSideways(int canvasWidth, int canvasHeight, MagickWand* picture,
                                 CaptionOverlay* caption, const EffectParams& params,
                                 int holdFrames, WandPtr previous, FrameSink* sink,
                                 int* countOut);

// "上下关门": the incoming picture's halves slide in from the top and bottom.
WandPtr renderDoorsCloseVertically(int canvasWidth, int canvasHeight, MagickWand* picture,
                                   CaptionOverlay* caption, const EffectParams& params,
                                   int holdFrames, WandPtr previous, FrameSink* sink,
                                   int* countOut);

// "从四角向中间飞进": the incoming picture's quarters fly in from the corners.
WandPtr renderQuartersFlyIn(int canvasWidth, int canvasHeight, MagickWand* picture,
                            CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                            WandPtr previous, FrameSink* sink, int* countOut);

// "从中间向四角飞出": the outgoing picture's quarters fly out to the corners.
WandPtr renderQuartersFlyOut(int canvasWidth, int canvasHeight, MagickWand* picture,
                             CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                             WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
