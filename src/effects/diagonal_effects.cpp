#include "effects/diagonal_effects.h"

#include <algorithm>

#include "effects/convex_shape_fill.h"
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

// The two triangles of a scan: one on the top edge from the left corner to `top` with its
// tip at the bottom-left corner, one on the bottom edge from `bottom` to the right corner
// with its tip at the top-right corner. They never overlap, so each is a convex piece that
// is drawn quickly; with no width at all they go through the plain path fill, whose
// antialiasing still touches the edge they lie on.
void fillScanTriangles(MagickWand* target, MagickWand* source, int W, int H, double top,
                       double bottom) {
  auto path = [&](auto& p) {
    p.moveTo(0, 0);
    p.lineTo(top, 0);
    p.lineTo(0, H);
    p.lineTo(0, 0);
    p.moveTo(W, 0);
    p.lineTo(W, H);
    p.lineTo(bottom, H);
    p.lineTo(W, 0);
  };
  if (top <= 0 || bottom >= W) {
    fillPathWithPicture(target, source, [&](DrawingWand* d) {
      struct {
        DrawingWand* d;
        void moveTo(double x, double y) { DrawPathMoveToAbsolute(d, x, y); }
        void lineTo(double x, double y) { DrawPathLineToAbsolute(d, x, y); }
      } drawing{d};
      path(drawing);
    });
    return;
  }
  std::vector<ConvexPiece> pieces = {polygonPiece({{0, 0}, {top, 0}, {0, 1.0 * H}}),
                                     polygonPiece({{1.0 * W, 0}, {1.0 * W, 1.0 * H}, {bottom, 1.0 * H}})};
  fillConvexShape(target, source, pieces, [&](WindowPath& p) { path(p); });
}

}  // namespace

PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalFromTopLeft, cornerFromTopLeft)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalFromBottomLeft, cornerFromBottomLeft)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalFromTopRight, cornerFromTopRight)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderDiagonalFromBottomRight, cornerFromBottomRight)

// Scan in: the upper-left triangle widens along the top edge, the lower-right one along the
// bottom edge, a twentieth of the width per step, drawn onto the outgoing picture.
WandPtr renderDiagonalScanIn(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                             const EffectParams&, int holdFrames, WandPtr previous,
                             FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  WandPtr black;
  for (int i = 1; i < kUncoverSteps; ++i) {
    bool written = out.frameInPlace([&] {
      MagickWand* canvas = outgoingOrBlack(previous, black, W, H);
      double x = i * (W / 20);
      fillScanTriangles(canvas, picture, W, H, x, W - x);
      return canvas;
    });
    if (!written) return nullptr;
  }
  black.reset();
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

WandPtr renderDiagonalScanOut(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                              const EffectParams&, int holdFrames, WandPtr previous,
                              FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  WandPtr black;
  // Every frame is a new copy of the incoming picture with the outgoing triangles on it.
  for (int i = 1; i < kUncoverSteps; ++i) {
    bool written = out.frame([&] {
      WandPtr frame = cloneWand(picture);
      double x = i * (W / 20);
      fillScanTriangles(frame.get(), outgoingOrBlack(previous, black, W, H), W, H, W - x, x);
      return frame;
    });
    if (!written) return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace pictavo
