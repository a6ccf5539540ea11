// Clock wipes: pie slices centred on the canvas sweep over the previous picture like the hand
// of a clock, uncovering the incoming picture; the windmill turns four blades at once. The
// first picture of a project is uncovered over black.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "12点顺时针方向展开": one hand from 12 o'clock, clockwise, angleStep degrees per frame.
WandPtr renderClockwiseFromTwelve(int canvasWidth, int canvasHeight, MagickWand* picture,
                                  CaptionOverlay* caption, const EffectParams& params,
                                  int holdFrames, WandPtr previous, FrameSink* sink,
                                  int* countOut);

// "12点逆时针方向展开": one hand from 12 o'clock, counter-clockwise.
WandPtr renderCounterClockwiseFromTwelve(int canvasWidth, int canvasHeight, MagickWand* picture,
                                         CaptionOverlay* caption, const EffectParams& params,
                                         int holdFrames, WandPtr previous, FrameSink* sink,
                                         int* countOut);

// "9点顺时针方向展开": one hand from 9 o'clock, clockwise (upwards first).
WandPtr renderClockwiseFromNine(int canvasWidth, int canvasHeight, MagickWand* picture,
                                CaptionOverlay* caption, const EffectParams& params,
                                int holdFrames, WandPtr previous, FrameSink* sink,
                                int* countOut);

// "9点逆时针方向展开": one hand from 9 o'clock, counter-clockwise (downwards first).
WandPtr renderCounterClockwiseFromNine(int canvasWidth, int canvasHeight, MagickWand* picture,
                                       CaptionOverlay* caption, const EffectParams& params,
                                       int holdFrames, WandPtr previous, FrameSink* sink,
                                       int* countOut);

// "顺逆时针方向同时展开": two hands from 12 o'clock, both ways at once, meeting at 6.
WandPtr renderBothWaysFromTwelve(int canvasWidth, int canvasHeight, MagickWand* picture,
                                 CaptionOverlay* caption, const EffectParams& params,
                                 int holdFrames, WandPtr previous, FrameSink* sink,
                                 int* countOut);

// "风车": four blades from 12, 3, 6 and 9 o'clock, each sweeping a quarter clockwise.
WandPtr renderWindmill(int canvasWidth, int canvasHeight, MagickWand* picture,
                       CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                       WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
