// Edge flips: the incoming picture swings in like a door hinged on one edge of the screen,
// drawn as a growing perspective trapezoid over the outgoing picture.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "绕左边向外翻转进来": hinged on the left edge.
WandPtr renderFlipInAroundLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                               CaptionOverlay* caption, const EffectParams& params,
                               int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);

// "绕右边向外翻转进来": hinged on the right edge.
WandPtr renderFlipInAroundRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                                CaptionOverlay* caption, const EffectParams& params,
                                int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);

// "绕上边向外翻转进来": hinged on the top edge.
WandPtr renderFlipInAroundTop(int canvasWidth, int canvasHeight, MagickWand* picture,
                              CaptionOverlay* caption, const EffectParams& params,
                              int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);

// "绕下边向外翻转进来": hinged on the bottom edge.
WandPtr renderFlipInAroundBottom(int canvasWidth, int canvasHeight, MagickWand* picture,
                                 CaptionOverlay* caption, const EffectParams& params,
                                 int holdFrames, WandPtr previous, FrameSink* sink,
                                 int* countOut);

}  // namespace pictavo
