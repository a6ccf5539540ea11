#include "effects/staircase_blind_effects.h"

#include <algorithm>
#include <cmath>

#include "effects/transition_plan.h"
#include "effects/soft_rectangle.h"

namespace pictavo {
namespace {

// The part of the strip starting `start` pixels from the edge the strips are counted from
// that is `extent` pixels open.
Rectangle openPart(Opening o, int W, int H, double start, double extent) {
  switch (o) {
    case Opening::Rightward: return {start, 0, start + extent, 1.0 * H};
    case Opening::Leftward: return {W - start, 0, W - start - extent, 1.0 * H};
    case Opening::Downward: return {0, start, 1.0 * W, start + extent};
    case Opening::Upward: return {0, H - start, 1.0 * W, H - start - extent};
  }
  return {};
}

// One strip's open part in a frame: it starts `start` pixels from the edge the strips are
// counted from and is `extent` open.
struct StripPart {
  double start, extent;
};

// Draws the parts onto the outgoing picture as rectangles filled with the incoming picture,
// one shape each and in order, so that where a part reaches into the next strip the overlap
// is filled like the rest. Drawn again every frame, a strip's antialiased fixed edge takes a
// little more of the incoming picture each time.
void revealParts(cairo_surface_t* target, cairo_surface_t* incoming, Opening o, int W, int H,
                 const std::vector<StripPart>& parts) {
  for (const StripPart& part : parts)
    fillSoftRectangleFrom(target, incoming, openPart(o, W, H, part.start, part.extent));
}

// The strips drawn onto the outgoing picture frame after frame, in frames - 1 steps; the
// final frame is the plain incoming picture. partsOf(i) gives the strip parts of frame i
// (1-based).
template <class PartsOf>
TransitionPlan stripsPlan(Opening o, const TransitionJob& job, int frames, PartsOf partsOf) {
  const int W = job.width, H = job.height;
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    revealParts(target, s.incoming.get(), o, W, H, partsOf(k + 1));
  };
  return {{{frames - 1, Layering::OntoOutgoing, std::move(draw)}}};
}

// Strip j starts opening in frame j + 1 and opens by 3/n of its size a frame.
TransitionPlan staircasePlan(Opening o, const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  const int n = std::max(job.params.step, 1);
  const bool across = o == Opening::Rightward || o == Opening::Leftward;
  const double u = static_cast<double>(across ? W : std::max(W, H)) / n;
  const double v = u / n * 3;
  const int frames = static_cast<int>(std::trunc(n + u / v));
  return stripsPlan(o, job, frames, [=](int i) {
    std::vector<StripPart> parts;
    for (int j = 0; j < i; ++j) parts.push_back({j * u, (i - j) * v});
    return parts;
  });
}

// Every strip opens by 1/18 of its size a frame; the last drawn frame has them 17/18 open.
TransitionPlan blindsPlan(Opening o, const TransitionJob& job) {
  const int n = std::max(job.params.step, 1);
  const double u = static_cast<double>(o == Opening::Rightward ? job.width : job.height) / n;
  const double v = u / 18;
  return stripsPlan(o, job, 18, [=](int i) {
    std::vector<StripPart> parts;
    for (int j = 0; j < n; ++j) parts.push_back({j * u, i * v});
    return parts;
  });
}

}  // namespace

TransitionPlan planStrips(const TransitionJob& job, const EffectVariant& variant) {
  const Strips strips = std::get<Strips>(variant);
  if (strips.pace == Strips::Staircase) return staircasePlan(strips.opening, job);
  return blindsPlan(strips.opening, job);
}

}  // namespace pictavo
