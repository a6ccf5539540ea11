// Grow and reveal: a rectangle of the incoming picture grows by params.step pixels a frame
// from a corner, the middle of a side, the centre or an edge until it fills the screen. The
// "grow" effects scale the whole picture into the rectangle; the "reveal" effects uncover the
// picture in place.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

#define PICTAVO_GROW_REVEAL_RENDERER(name)                                                   \
  WandPtr name(int canvasWidth, int canvasHeight, MagickWand* picture,                       \
               CaptionOverlay* caption, const EffectParams& params, int holdFrames,          \
               WandPtr previous, FrameSink* sink, int* countOut)

PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromTopLeft);         // "从左上角由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealFromTopLeft);       // "从左上角展开"
PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromBottomLeft);      // "从左下角由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealFromBottomLeft);    // "从左下角展开"
PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromTopRight);        // "从右上角由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealFromTopRight);      // "从右上角展开"
PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromBottomRight);     // "从右下角由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealFromBottomRight);   // "从右下角展开"
PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromLeftMiddle);      // "从左侧中间由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromTopMiddle);       // "从上侧中间由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromRightMiddle);     // "从右侧中间由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromBottomMiddle);    // "从下侧中间由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderGrowFromCentre);          // "从中间由小变大"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealFromCentre);        // "从中间向四周展开(方)"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealToLeftAndRight);    // "从中间向左右展开"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealUpAndDown);         // "从中间向上下展开"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealLeftToRight);       // "从左向右展开"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealTopToBottom);       // "从上向下展开"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealBottomToTop);       // "从下向上展开"
PICTAVO_GROW_REVEAL_RENDERER(renderRevealRightToLeft);       // "从右向左展开"

#undef PICTAVO_GROW_REVEAL_RENDERER

}  // namespace pictavo
