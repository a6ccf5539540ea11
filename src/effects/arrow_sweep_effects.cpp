#include "effects/arrow_sweep_effects.h"

#include "effects/uncover_steps.h"

namespace pictavo {
namespace {

// Canvas height over width, kept in single precision: the arrow keeps the canvas proportions.
float heightRatio(int W, int H) {
  return static_cast<float>(static_cast<double>(H) / static_cast<double>(W));
}

void moveTo(DrawingWand* d, double x, double y) { DrawPathMoveToAbsolute(d, x, y); }
void lineTo(DrawingWand* d, double x, double y) { DrawPathLineToAbsolute(d, x, y); }

// Arrows: the tip advances a tenth of the width (height) per step; the base on the starting
// edge is as wide, relative to that edge, as the tip is far.
void arrowFromLeft(DrawingWand* d, int W, int H, int i) {
  int reach = i * ((2 * W) / 20);
  double half = heightRatio(W, H) * reach * 0.5;
  int mid = H / 2;
  moveTo(d, 0, mid - half);
  lineTo(d, 0, mid + half);
  lineTo(d, reach, mid);
  lineTo(d, 0, mid - half);
}

void arrowFromRight(DrawingWand* d, int W, int H, int i) {
  int reach = i * ((2 * W) / 20);
  double half = heightRatio(W, H) * reach * 0.5;
  int mid = H / 2;
  moveTo(d, W, mid - half);
  lineTo(d, W, mid + half);
  lineTo(d, W - reach, mid);
  lineTo(d, W, mid - half);
}

void arrowFromTop(DrawingWand* d, int W, int H, int i) {
  int reach = i * ((2 * H) / 20);
  double half = (reach / heightRatio(W, H)) * 0.5;
  int mid = W / 2;
  moveTo(d, mid - half, 0);
  lineTo(d, mid + half, 0);
  lineTo(d, mid, reach);
  lineTo(d, mid - half, 0);
}

void arrowFromBottom(DrawingWand* d, int W, int H, int i) {
  int reach = i * ((2 * H) / 20);
  double half = (reach / heightRatio(W, H)) * 0.5;
  int mid = W / 2;
  moveTo(d, mid - half, H);
  lineTo(d, mid + half, H);
  lineTo(d, mid, H - reach);
  lineTo(d, mid - half, H);
}

// Sweeps: steps 1 to 10 push a wedge's apex from the starting edge to the opposite edge;
// steps 11 to 19 widen its tip along that edge by a twentieth of the edge per step.
constexpr int kApexSteps = 10;

void sweepFromBottom(DrawingWand* d, int W, int H, int i) {
  moveTo(d, 0, H);
  lineTo(d, W - 1, H);
  if (i <= kApexSteps) {
    lineTo(d, W / 2, H - i * ((2 * H) / 20));
  } else {
    int spread = (i - kApexSteps) * (W / 20);
    lineTo(d, W / 2 + spread, 0);
    lineTo(d, W / 2 - spread, 0);
  }
  lineTo(d, 0, H);
}

void sweepFromTop(DrawingWand* d, int W, int H, int i) {
  moveTo(d, 0, 0);
  lineTo(d, W - 1, 0);
  if (i <= kApexSteps) {
    lineTo(d, W / 2, i * ((2 * H) / 20));
  } else {
    int spread = (i - kApexSteps) * (W / 20);
    lineTo(d, W / 2 + spread, H);
    lineTo(d, W / 2 - spread, H);
  }
  lineTo(d, 0, 0);
}

void sweepFromLeft(DrawingWand* d, int W, int H, int i) {
  moveTo(d, 0, 0);
  lineTo(d, 0, H - 1);
  if (i <= kApexSteps) {
    lineTo(d, i * ((2 * W) / 20), H / 2);
  } else {
    int spread = (i - kApexSteps) * (H / 20);
    lineTo(d, W, H / 2 + spread);
    lineTo(d, W, H / 2 - spread);
  }
  lineTo(d, 0, 0);
}

void sweepFromRight(DrawingWand* d, int W, int H, int i) {
  moveTo(d, W, 0);
  lineTo(d, W, H - 1);
  if (i <= kApexSteps) {
    lineTo(d, W - i * ((2 * W) / 20), H / 2);
  } else {
    int spread = (i - kApexSteps) * (H / 20);
    lineTo(d, 0, H / 2 + spread);
    lineTo(d, 0, H / 2 - spread);
  }
  lineTo(d, W, 0);
}

}  // namespace

PICTAVO_DEFINE_UNCOVER_RENDERER(renderArrowFromLeft, arrowFromLeft)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderArrowFromRight, arrowFromRight)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderArrowFromTop, arrowFromTop)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderArrowFromBottom, arrowFromBottom)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderSweepFromBottom, sweepFromBottom)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderSweepFromTop, sweepFromTop)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderSweepFromLeft, sweepFromLeft)
PICTAVO_DEFINE_UNCOVER_RENDERER(renderSweepFromRight, sweepFromRight)

}  // namespace pictavo
