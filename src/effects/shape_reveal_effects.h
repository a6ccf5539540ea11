// Circle, diamond and X reveals: a shape centred on the canvas grows from the middle filled
// with the incoming picture, or shrinks toward it filled with the outgoing one.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "从中间向四周展开(圆)": a circle of the incoming picture grows over the outgoing one.
WandPtr renderCircleOpen(int canvasWidth, int canvasHeight, MagickWand* picture,
                         CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                         WandPtr previous, FrameSink* sink, int* countOut);

// "从四周向中间展开(圆)": a circle of the outgoing picture shrinks over the incoming one.
WandPtr renderCircleClose(int canvasWidth, int canvasHeight, MagickWand* picture,
                          CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                          WandPtr previous, FrameSink* sink, int* countOut);

// "从中间向四周展开(菱)": a diamond of the incoming picture grows over the outgoing one.
WandPtr renderDiamondOpen(int canvasWidth, int canvasHeight, MagickWand* picture,
                          CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                          WandPtr previous, FrameSink* sink, int* countOut);

// "从四周向中间展开(菱)": a diamond of the outgoing picture shrinks over the incoming one.
WandPtr renderDiamondClose(int canvasWidth, int canvasHeight, MagickWand* picture,
                           CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                           WandPtr previous, FrameSink* sink, int* countOut);

// "从中间向四周展开(X)": four wedges of the outgoing picture shrink toward the edges, so an X
// of the incoming picture widens through the centre.
WandPtr renderXOpen(int canvasWidth, int canvasHeight, MagickWand* picture,
                    CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                    WandPtr previous, FrameSink* sink, int* countOut);

// "从四周向中间展开(X)": four wedges of the incoming picture grow from the middles of the
// edges toward the centre, narrowing an X of the outgoing picture.
WandPtr renderXClose(int canvasWidth, int canvasHeight, MagickWand* picture,
                     CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                     WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
