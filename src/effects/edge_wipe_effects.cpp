#include "effects/edge_wipe_effects.h"

#include <algorithm>

#include "effects/transition_plan.h"
#include "effects/shape_rectangle.h"
#include "effects/surface_shapes.h"

namespace pictavo {
namespace {

// A step below one pixel (a canvas narrower than the step's divisor) would never finish.
int atLeastOnePixel(int step) { return std::max(step, 1); }

// The four corners of the canvas, q wide and q x ratio high, in drawing order.
std::vector<Rectangle> cornerRectangles(int W, int H, double q, double qHeight) {
  double mirrored = W - q;
  return {{0, 0, q, qHeight},
          {0, static_cast<double>(H), q, H - qHeight},
          {static_cast<double>(W), 0, mirrored, qHeight},
          {static_cast<double>(W), static_cast<double>(H), mirrored, H - qHeight}};
}

// The bands of the two band wipes: length - step, - 2 step, ... while positive, then a band
// of one pixel (unless the last one was already a pixel).
std::vector<int> bandSizes(int length, int step) {
  std::vector<int> sizes;
  for (int e = length - step; e > 0;) {
    sizes.push_back(e);
    if (e == 1) break;
    e = e - step > 0 ? e - step : 1;
  }
  return sizes;
}

// A centred window of the outgoing picture, in the canvas proportions, shrinks by step.
TransitionPlan shrinkingWindowPlan(int W, int H, int step) {
  const float ratio = static_cast<float>(static_cast<double>(H) / static_cast<double>(W));
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    const int d = W - step * (k + 1);
    const float height = static_cast<float>(d) * ratio;
    const int y = static_cast<int>((H - height) * 0.5);
    const int x = (W - d) / 2;
    pastePart(target, s.outgoing.get(), x, y, d, static_cast<int>(height), x, y);
  };
  return {{{stepsInside(W, step), Layering::OverIncoming, std::move(draw)}}};
}

// A centred band of the outgoing picture narrows (across) or flattens.
TransitionPlan bandPlan(int W, int H, int step, bool across) {
  std::vector<int> bands = bandSizes(across ? W : H, step);
  const int count = static_cast<int>(bands.size());
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    const int e = bands[k];
    if (across)
      pastePart(target, s.outgoing.get(), (W - e) / 2, 0, e, H, (W - e) / 2, 0);
    else
      pastePart(target, s.outgoing.get(), 0, (H - e) / 2, W, e, 0, (H - e) / 2);
  };
  return {{{count, Layering::OverIncoming, std::move(draw)}}};
}

// The incoming picture's corners grow toward the middle in steps of `step`, or the outgoing
// picture's corners shrink into the canvas corners. The growing corners' height takes the
// ratio in single precision, the shrinking ones' in double.
TransitionPlan cornersPlan(int W, int H, int step, bool growing) {
  const float ratio = static_cast<float>(static_cast<double>(H) / static_cast<double>(W));
  const double exactRatio = static_cast<double>(H) / static_cast<double>(W);
  return openOrClose(stepsInside(W, 2 * step), growing,
                     [=](cairo_surface_t* target, cairo_surface_t* source, int size) {
                       const int q = step * size;
                       const double qHeight = growing ? q * ratio : q * exactRatio;
                       fillRectanglesFrom(target, source, cornerRectangles(W, H, q, qHeight));
                     });
}

}  // namespace

TransitionPlan planEdgeWipe(const TransitionJob& job, const EffectVariant& variant) {
  const int W = job.width, H = job.height, step = atLeastOnePixel(job.params.step);
  switch (std::get<EdgeWipe>(variant)) {
    case EdgeWipe::ShrinkingWindow: return shrinkingWindowPlan(W, H, step);
    case EdgeWipe::NarrowingBand: return bandPlan(W, H, step, true);
    case EdgeWipe::FlatteningBand: return bandPlan(W, H, step, false);
    case EdgeWipe::CornersGrowIn: return cornersPlan(W, H, step, true);
    case EdgeWipe::CornersShrinkOut: break;
  }
  return cornersPlan(W, H, step, false);
}

}  // namespace pictavo
