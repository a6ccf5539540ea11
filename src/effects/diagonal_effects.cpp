#include "effects/diagonal_effects.h"

#include <algorithm>

#include "effects/frame_handoff.h"
#include "effects/pattern_fill.h"
#include "effects/uncover_steps.h"

namespace pictavo {
namespace {

void moveTo(DrawingWand* d, double x, double y) { DrawPathMoveToAbsolute(d, x, y); }
void lineTo(DrawingWand* d, double x, double y) { DrawPathLineToAbsolute(d, x, y); }

// The corner triangle's legs at step i: a tenth of the longer side, times two, per step.
double cornerReach(int W, int H, int i) {
  int longer = std::max(W, H);
  return i * ((2 * longer) / 20);
}

// Each corner wipe: the two edges of the corner as bare lines, then the triangle cut off by
// the diagonal, closed by an arc back to the corner that bulges outside the canvas.
void arcTo(DrawingWand* d, double radius, bool sweep, double x, double y) {
  DrawPathEllipticArcAbsolute(d, radius, radius, 0, MagickFalse, sweep ? MagickTrue : MagickFalse,
                              x, y);
}

void cornerFromTopLeft(DrawingWand* d, int W, int H, int i) {
  double r = cornerReach(W, H, i);
  moveTo(d, 0, 0);
  lineTo(d, r, 0);
  moveTo(d, 0, 0);
  lineTo(d, 0, r);
  moveTo(d, r, 0);
  lineTo(d, 0, r);
  arcTo(d, r, true, 0, 0);
}

void cornerFromBottomLeft(DrawingWand* d, int W, int H, int i) {
  double r = cornerReach(W, H, i);
  moveTo(d, 0, H);
  lineTo(d, 0, H - r);
  moveTo(d, 0, H);
  lineTo(d, r, H);
  moveTo(d, 0, H - r);
  lineTo(d, r, H);
  arcTo(d, r, true, 0, H);
}

void cornerFromTopRight(DrawingWand* d, int W, int H, int i) {
  double r = cornerReach(W, H, i);
  moveTo(d, W, 0);
  lineTo(d, W - r, 0);
  moveTo(d, W, 0);
  lineTo(d, W, r);
  moveTo(d, W - r, 0);
  lineTo(d, W, r);
  arcTo(d, r, false, W, 0);
}

void cornerFromBottomRight(DrawingWand* d, int W, int H, int i) {
  double r = cornerReach(W, H, i);
  moveTo(d, W, H);
  lineTo(d, W - r, H);
  moveTo(d, W, H);
  lineTo(d, W, H - r);
  moveTo(d, W - r, H);
  lineTo(d, W, H - r);
  arcTo(d, r, true, W, H);
}

// Scan in: the upper-left triangle widens along the top edge, the lower-right one along the
// bottom edge, a twentieth of the width per step.
void scanInTriangles(DrawingWand* d, int W, int H, int i) {
  int x = i * (W / 20);
  moveTo(d, 0, 0);
  lineTo(d, x, 0);
  lineTo(d, 0, H);
  lineTo(d, 0, 0);
  moveTo(d, W, 0);
  lineTo(d, W, H);
  lineTo(d, W - x, H);
  lineTo(d, W, 0);
}

// Scan out: the same two triangles, narrowing instead.
void scanOutTriangles(DrawingWand* d, int W, int H, int i) {
  int x = i * (W / 20);
  moveTo(d, 0, 0);
  lineTo(d, W - x, 0);
  lineTo(d, 0, H);
  lineTo(d, 0, 0);
  moveTo(d, W, 0);
  lineTo(d, W, H);
  lineTo(d, x, H);
  lineTo(d, W, 0);
}

}  // namespace


PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalFromTopLeft, cornerFromTopLeft)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalFromBottomLeft, cornerFromBottomLeft)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalFromTopRight, cornerFromTopRight)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalFromBottomRight, cornerFromBottomRight)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalScanIn, scanInTriangles)

WandPtr renderDiagonalScanOut(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                              const EffectParams&, int holdFrames, WandPtr previous,
                              FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  WandPtr black;
  // Every frame is a new copy of the incoming picture with the outgoing triangles on it.
  for (int i = 1; i < kUncoverSteps; ++i) {
    bool written = out.frame([&] {
      WandPtr frame = cloneWand(picture);
      fillPathWithPicture(frame.get(), outgoingOrBlack(previous, black, W, H),
                          [&](DrawingWand* d) { scanOutTriangles(d, W, H, i); });
      return frame;
    });
    if (!written) return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace pictavo
