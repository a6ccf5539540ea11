// "无动画": the picture comes in with a hard cut and is held for its pause, its caption at
// full strength from the first frame.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

WandPtr renderNoAnimation(int canvasWidth, int canvasHeight, MagickWand* picture,
                          CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                          WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
