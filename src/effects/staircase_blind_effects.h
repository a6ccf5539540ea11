// Raster staircases and blinds: the canvas is divided into equal strips that all open onto
// the incoming picture. Blinds open every strip at the same pace; a staircase starts each
// strip one frame after the one before it.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "从左到右光栅阶梯展开", "从右到左光栅阶梯展开", "从上到下光栅阶梯展开",
// "从下到上光栅阶梯展开": params.step is the number of strips.
WandPtr renderStaircaseRightward(int canvasWidth, int canvasHeight, MagickWand* picture,
                                 CaptionOverlay* caption, const EffectParams& params,
                                 int holdFrames, WandPtr previous, FrameSink* sink,
                                 int* countOut);
WandPtr renderStaircaseLeftward(int canvasWidth, int canvasHeight, MagickWand* picture,
                                CaptionOverlay* caption, const EffectParams& params,
                                int holdFrames, WandPtr previous, FrameSink* sink,
                                int* countOut);
WandPtr renderStaircaseDownward(int canvasWidth, int canvasHeight, MagickWand* picture,
                                CaptionOverlay* caption, const EffectParams& params,
                                int holdFrames, WandPtr previous, FrameSink* sink,
                                int* countOut);
WandPtr renderStaircaseUpward(int canvasWidth, int canvasHeight, MagickWand* picture,
                              CaptionOverlay* caption, const EffectParams& params,
                              int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);

// "百叶窗式从左到右展开", "百叶窗式从上到下展开": params.step is the number of strips.
WandPtr renderBlindsRightward(int canvasWidth, int canvasHeight, MagickWand* picture,
                              CaptionOverlay* caption, const EffectParams& params,
                              int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderBlindsDownward(int canvasWidth, int canvasHeight, MagickWand* picture,
                             CaptionOverlay* caption, const EffectParams& params,
                             int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
