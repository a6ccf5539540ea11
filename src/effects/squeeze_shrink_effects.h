// Squeezes and shrinks to a corner: the outgoing picture shrinks away over the whole incoming
// picture, toward the middle or toward one corner.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "从四周向中间缩小": shrinks from all sides to the middle by params.step per frame.
WandPtr renderShrinkToMiddle(int canvasWidth, int canvasHeight, MagickWand* picture,
                             CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                             WandPtr previous, FrameSink* sink, int* countOut);

// "从左右两边向中间缩小": squeezed from left and right, slowing down at the end.
WandPtr renderSqueezeFromLeftAndRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                                      CaptionOverlay* caption, const EffectParams& params,
                                      int holdFrames, WandPtr previous, FrameSink* sink,
                                      int* countOut);

// "从上下两边向中间缩小": squeezed from top and bottom, slowing down at the end.
WandPtr renderSqueezeFromTopAndBottom(int canvasWidth, int canvasHeight, MagickWand* picture,
                                      CaptionOverlay* caption, const EffectParams& params,
                                      int holdFrames, WandPtr previous, FrameSink* sink,
                                      int* countOut);

// "向左上角逐渐缩小", "向左下角逐渐缩小", "向右上角逐渐缩小", "向右下角逐渐缩小": shrinks
// toward a corner in 15 steps.
WandPtr renderShrinkToTopLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                              CaptionOverlay* caption, const EffectParams& params,
                              int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderShrinkToBottomLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                                 CaptionOverlay* caption, const EffectParams& params,
                                 int holdFrames, WandPtr previous, FrameSink* sink,
                                 int* countOut);
WandPtr renderShrinkToTopRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                               CaptionOverlay* caption, const EffectParams& params,
                               int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderShrinkToBottomRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                                  CaptionOverlay* caption, const EffectParams& params,
                                  int holdFrames, WandPtr previous, FrameSink* sink,
                                  int* countOut);

}  // namespace pictavo
