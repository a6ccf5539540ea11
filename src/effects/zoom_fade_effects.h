// Effects that change the whole picture at once: the two zooms, which scale the incoming
// picture about the canvas centre while the previous picture fades out over it, and the
// cross-fade from the previous picture into the incoming one.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "逐渐缩小": the picture starts enlarged by frames x step pixels and shrinks to its fitted size.
WandPtr renderZoomOut(int canvasWidth, int canvasHeight, MagickWand* picture,
                      CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                      WandPtr previous, FrameSink* sink, int* countOut);

// "逐渐放大": the picture grows from its fitted size by frames x step pixels and stays so.
WandPtr renderZoomIn(int canvasWidth, int canvasHeight, MagickWand* picture,
                     CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                     WandPtr previous, FrameSink* sink, int* countOut);

// "淡入淡出": the previous picture dissolves into the incoming one, step percent per frame.
WandPtr renderFade(int canvasWidth, int canvasHeight, MagickWand* picture,
                   CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                   WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
