// The frame sequence shared by the arrows, sweeps and diagonal wipes: a shape of the incoming
// picture, grown step by step, is filled onto the outgoing picture (or black) in 19 frames
// that each add to the last, then the plain picture is the final frame.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// The path of step i (1..19) on a W x H canvas: moves, lines and arcs of the drawing.
using StepPath = void (*)(DrawingWand* drawing, int W, int H, int i);

inline constexpr int kUncoverSteps = 20;  // 19 drawn frames and the final frame

WandPtr renderUncoverSteps(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                           int holdFrames, WandPtr previous, FrameSink* sink, int* countOut,
                           StepPath path);

}  // namespace pictavo

// Defines the EffectRenderer `name` as the step sequence with the path function `path`.
#define PICTAVO_DEFINE_UNCOVER_RENDERER(name, path)                                        \
  WandPtr name(int W, int H, MagickWand* picture, CaptionOverlay* caption,                 \
               const EffectParams&, int holdFrames, WandPtr previous, FrameSink* sink,     \
               int* countOut) {                                                            \
    return renderUncoverSteps(W, H, picture, caption, holdFrames, std::move(previous), sink, \
                              countOut, path);                                             \
  }
