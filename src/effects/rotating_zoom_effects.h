// Rotating zooms: one picture spins about the canvas centre while it changes size and
// opacity. The incoming picture grows out of the middle over the outgoing one, or the
// outgoing picture shrinks into the middle over the incoming one.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "顺时针旋转由小变大": the incoming picture grows, turning clockwise.
WandPtr renderSpinGrowClockwise(int canvasWidth, int canvasHeight, MagickWand* picture,
                                CaptionOverlay* caption, const EffectParams& params,
                                int holdFrames, WandPtr previous, FrameSink* sink,
                                int* countOut);

// "逆时针旋转由小变大": the incoming picture grows, turning counter-clockwise.
WandPtr renderSpinGrowCounterClockwise(int canvasWidth, int canvasHeight, MagickWand* picture,
                                       CaptionOverlay* caption, const EffectParams& params,
                                       int holdFrames, WandPtr previous, FrameSink* sink,
                                       int* countOut);

// "顺时针旋转由大变小": the outgoing picture shrinks, turning clockwise.
WandPtr renderSpinShrinkClockwise(int canvasWidth, int canvasHeight, MagickWand* picture,
                                  CaptionOverlay* caption, const EffectParams& params,
                                  int holdFrames, WandPtr previous, FrameSink* sink,
                                  int* countOut);

// "逆时针旋转由大变小": the outgoing picture shrinks, turning counter-clockwise.
WandPtr renderSpinShrinkCounterClockwise(int canvasWidth, int canvasHeight, MagickWand* picture,
                                         CaptionOverlay* caption, const EffectParams& params,
                                         int holdFrames, WandPtr previous, FrameSink* sink,
                                         int* countOut);

}  // namespace pictavo
