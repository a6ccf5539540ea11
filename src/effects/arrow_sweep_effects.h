// Arrow and sweep wipes: a polygon of the incoming picture grows over the previous picture,
// either an arrow head running across the screen from one edge, or a wedge pushed from one
// edge to the opposite one whose tip then widens along that edge. The first picture of a
// project is uncovered over black.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "箭头从左到右展开", "箭头从右到左展开", "箭头从上到下展开", "箭头从下到上展开".
WandPtr renderArrowFromLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                            CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                            WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderArrowFromRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                             CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                             WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderArrowFromTop(int canvasWidth, int canvasHeight, MagickWand* picture,
                           CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                           WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderArrowFromBottom(int canvasWidth, int canvasHeight, MagickWand* picture,
                              CaptionOverlay* caption, const EffectParams& params,
                              int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);

// "下方向两边扫射展开", "上方向两边扫射展开", "左方向两边扫射展开", "右方向两边扫射展开".
WandPtr renderSweepFromBottom(int canvasWidth, int canvasHeight, MagickWand* picture,
                              CaptionOverlay* caption, const EffectParams& params,
                              int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSweepFromTop(int canvasWidth, int canvasHeight, MagickWand* picture,
                           CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                           WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSweepFromLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                            CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                            WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSweepFromRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                             CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                             WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
