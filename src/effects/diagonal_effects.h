// Diagonal wipes and scans: a triangle of the incoming picture grows from one corner, or two
// triangles from opposite corners meet along the diagonal, uncovering the incoming picture or
// shrinking the outgoing one. The first picture of a project is uncovered over black.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

// "对角线左上到右下展开", "对角线左下到右上展开", "对角线右上到左下展开",
// "对角线右下到左上展开": a triangle grows from the top-left, bottom-left, top-right or
// bottom-right corner.
WandPtr renderDiagonalFromTopLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                                  CaptionOverlay* caption, const EffectParams& params,
                                  int holdFrames, WandPtr previous, FrameSink* sink,
                                  int* countOut);
WandPtr renderDiagonalFromBottomLeft(int canvasWidth, int canvasHeight, MagickWand* picture,
                                     CaptionOverlay* caption, const EffectParams& params,
                                     int holdFrames, WandPtr previous, FrameSink* sink,
                                     int* countOut);
WandPtr renderDiagonalFromTopRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                                   CaptionOverlay* caption, const EffectParams& params,
                                   int holdFrames, WandPtr previous, FrameSink* sink,
                                   int* countOut);
WandPtr renderDiagonalFromBottomRight(int canvasWidth, int canvasHeight, MagickWand* picture,
                                      CaptionOverlay* caption, const EffectParams& params,
                                      int holdFrames, WandPtr previous, FrameSink* sink,
                                      int* countOut);

// "对角线互动扫描进来": triangles of the incoming picture grow from the top-left and the
// bottom-right corners until they meet along the diagonal.
WandPtr renderDiagonalScanIn(int canvasWidth, int canvasHeight, MagickWand* picture,
                             CaptionOverlay* caption, const EffectParams& params, int holdFrames,
                             WandPtr previous, FrameSink* sink, int* countOut);

// "对角线互动扫描出去": triangles of the outgoing picture shrink into the top-left and the
// bottom-right corners.
WandPtr renderDiagonalScanOut(int canvasWidth, int canvasHeight, MagickWand* picture,
                              CaptionOverlay* caption, const EffectParams& params,
                              int holdFrames, WandPtr previous, FrameSink* sink, int* countOut);

}  // namespace pictavo
