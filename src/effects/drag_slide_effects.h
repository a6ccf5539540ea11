// Drags, slide-outs and slide-ins: whole pictures move across the canvas. In a drag the
// incoming picture pushes the outgoing one out of the opposite edge; in a slide-out the
// outgoing picture slides off the still incoming one; in a slide-in the incoming picture
// slides over the still outgoing one. Each is named by the direction of the movement.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "从左向右拖出", "从右向左拖出", "从上向下拖出", "从下向上拖出": the drags.
WandPtr renderDragRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                        CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                        WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderDragLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                       CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                       WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderDragDown(int canvasWidth, int canvasHeight, MagickWand* picture,
                       CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                       WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderDragUp(int canvasWidth, int canvasHeight, MagickWand* picture,
                     CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                     WandPtr previous, FrameSink* sink, int* countOut);

// "从左向右滑出", "从右向左滑出", "从上向下滑出", "从下向上滑出": the slide-outs.
WandPtr renderSlideOutRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                            CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                            WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSlideOutLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                           CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                           WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSlideOutDown(int canvasWidth, int canvasHeight, MagickWand* picture,
                           CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                           WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSlideOutUp(int canvasWidth, int canvasHeight, MagickWand* picture,
                         CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                         WandPtr previous, FrameSink* sink, int* countOut);

// "从左向右滑入", "从右向左滑入", "从上向下滑入", "从下向上滑入": the slide-ins.
WandPtr renderSlideInRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                           CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                           WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSlideInLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                          CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                          WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSlideInDown(int canvasWidth, int canvasHeight, MagickWand* picture,
                          CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                          WandPtr previous, FrameSink* sink, int* countOut);
WandPtr renderSlideInUp(int canvasWidth, int canvasHeight, MagickWand* picture,
                        CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                        WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
