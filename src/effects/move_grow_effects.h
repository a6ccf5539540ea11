// Move to the middle and grow: a small copy of the incoming picture enters from one edge,
// travels toward the middle over the outgoing picture, then grows about the centre until it
// fills the screen.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "从上移到中间由小变大": enters from the top.
WandPtr renderMoveFromTopAndGrow(int canvasWidth, int canvasHeight, MagickWand* picture,
                                 CaptionOverlay* caption, const EffectParams& params,
                                 int holdFrames, WandPtr previous, FrameSink* sink,
                                 int* countOut);

// "从下移到中间由小变大": enters from the bottom.
WandPtr renderMoveFromBottomAndGrow(int canvasWidth, int canvasHeight, MagickWand* picture,
                                    CaptionOverlay* caption, const EffectParams& params,
                                    int holdFrames, WandPtr previous, FrameSink* sink,
                                    int* countOut);

// "从左移到中间由小变大": enters from the left.
WandPtr renderMoveFromLeftAndGrow(int canvasWidth, int canvasHeight, MagickWand* picture,
                                  CaptionOverlay* caption, const EffectParams& params,
                                  int holdFrames, WandPtr previous, FrameSink* sink,
                                  int* countOut);

// "从右移到中间由小变大": enters from the right.
WandPtr renderMoveFromRightAndGrow(int canvasWidth, int canvasHeight, MagickWand* picture,
                                   CaptionOverlay* caption, const EffectParams& params,
                                   int holdFrames, WandPtr previous, FrameSink* sink,
                                   int* countOut);

}  // namespace pictavo
