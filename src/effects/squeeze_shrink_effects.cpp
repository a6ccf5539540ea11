#include "effects/squeeze_shrink_effects.h"

#include <vector>

#include "effects/canvas_ratio.h"
#include "effects/shrink_steps.h"
#include "effects/transition_plan.h"
#include "imaging/lanczos_scale.h"

namespace pictavo {
namespace {

// Size and top-left corner of the outgoing picture on the canvas.
struct Placement {
  long width, height, x, y;
};

// Canvas size, its height-to-width ratio (rounded to single precision) and the current size d.
struct ShrinkState {
  int W, H;
  double r;
  int d;
};
using PlaceOutgoing = Placement (*)(const ShrinkState&);

Placement allSidesToMiddle(const ShrinkState& s) {
  return {s.d, wholePixels(s.d * s.r), (s.W - s.d) / 2, wholePixels((s.H - s.d * s.r) * 0.5)};
}
Placement leftAndRightToMiddle(const ShrinkState& s) { return {s.d, s.H, (s.W - s.d) / 2, 0}; }
Placement topAndBottomToMiddle(const ShrinkState& s) { return {s.W, s.d, 0, (s.H - s.d) / 2}; }
Placement towardTopLeft(const ShrinkState& s) { return {s.d, wholePixels(s.d * s.r), 0, 0}; }
Placement towardBottomLeft(const ShrinkState& s) {
  return {s.d, wholePixels(s.d * s.r), 0, wholePixels(s.H - s.d * s.r)};
}
Placement towardTopRight(const ShrinkState& s) {
  return {wholePixels(s.d / s.r), s.d, wholePixels(s.W - s.d / s.r), 0};
}
Placement towardBottomRight(const ShrinkState& s) {
  return {wholePixels(s.d / s.r), s.d, wholePixels(s.W - s.d / s.r), s.H - s.d};
}

// The outgoing picture shrunk to the placement's size from the size it had in the frame
// before (so it softens a little more every frame), laid over the frame. Once a side reaches
// zero it has shrunk out of sight and keeps its last size.
void drawShrunk(cairo_surface_t* frame, SurfacePtr& outgoing, const Placement& place) {
  if (place.width <= 0 || place.height <= 0) return;
  SurfacePtr shrunk = newSurface(static_cast<int>(place.width), static_cast<int>(place.height));
  drawLanczosScaled(shrunk.get(), outgoing.get(), 0, 0, static_cast<int>(place.width),
                    static_cast<int>(place.height));
  outgoing = std::move(shrunk);
  copySurface(frame, outgoing.get(), static_cast<double>(place.x), static_cast<double>(place.y));
}

// The outgoing picture at each of `sizes` over the incoming picture.
TransitionPlan shrinkPlan(const TransitionJob& job, std::vector<int> sizes,
                          PlaceOutgoing placeOutgoing) {
  const int W = job.width, H = job.height;
  const double r = canvasRatio(W, H);
  const int steps = static_cast<int>(sizes.size());
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    drawShrunk(target, s.outgoing, placeOutgoing({W, H, r, sizes[k]}));
  };
  return {{{steps, Layering::OverIncoming, std::move(draw)}}};
}

}  // namespace

TransitionPlan planShrink(const TransitionJob& job, const EffectVariant& variant) {
  const int W = job.width, H = job.height, step = job.params.step;
  switch (std::get<ShrinkToward>(variant)) {
    case ShrinkToward::Middle: return shrinkPlan(job, evenShrinkSizes(W, step), allSidesToMiddle);
    case ShrinkToward::LeftAndRight:
      return shrinkPlan(job, squeezeSizes(W, step), leftAndRightToMiddle);
    case ShrinkToward::TopAndBottom:
      return shrinkPlan(job, squeezeSizes(H, step), topAndBottomToMiddle);
    case ShrinkToward::TopLeft: return shrinkPlan(job, cornerShrinkSizes(W / 16), towardTopLeft);
    case ShrinkToward::BottomLeft:
      return shrinkPlan(job, cornerShrinkSizes(W / 16), towardBottomLeft);
    case ShrinkToward::TopRight: return shrinkPlan(job, cornerShrinkSizes(H / 16), towardTopRight);
    case ShrinkToward::BottomRight: break;
  }
  return shrinkPlan(job, cornerShrinkSizes(H / 16), towardBottomRight);
}

}  // namespace pictavo
