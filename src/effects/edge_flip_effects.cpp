#include "effects/edge_flip_effects.h"

#include <cmath>

#include "effects/projective_fill.h"

namespace pictavo {
namespace {

// 17 swinging frames, then the picture in place.
constexpr int kSwingFrames = 17;
constexpr double kSteps = 18.0;
// The far edge starts 2.3 times shorter than the hinge, an eighth of the canvas away from it.
constexpr double kShortening = 2.3;
constexpr double kStartDistance = 0.125;

// The far edge's two ends across the hinge direction, growing from 1/2.3 of `extent` to all
// of it around the integer middle.
void farEdgeEnds(double extent, int step, double* low, double* high) {
  const double middle = static_cast<int>(extent) / 2;
  const double shortHalf = (extent / kShortening) * 0.5;
  const double grown = step * ((extent - extent / kShortening) * 0.5 / kSteps);
  *low = (middle - shortHalf) - grown;
  *high = middle + shortHalf + grown;
}

ControlPoints flipStep(Hinge hinge, int canvasWidth, int canvasHeight, int i) {
  const double W = canvasWidth, H = canvasHeight;
  double a, b;  // far-edge ends: top and bottom (left/right hinge) or left and right
  switch (hinge) {
    case Hinge::Left: {
      farEdgeEnds(H, i, &a, &b);
      const double xr = W * kStartDistance + i * ((W - W * kStartDistance) / kSteps);
      return {{0, 0, 0, 0, 0, H, 0, H, W, 0, xr, a, W, H, xr, b}};
    }
    case Hinge::Right: {
      farEdgeEnds(H, i, &a, &b);
      const double reach = W - W * kStartDistance;
      const double xl = std::trunc(reach - (reach / kSteps) * i);
      return {{0, 0, xl, a, 0, H, xl, b, W, H, W, H, W, 0, W, 0}};
    }
    case Hinge::Top: {
      farEdgeEnds(W, i, &a, &b);
      const double yb = H * kStartDistance + i * ((H - H * kStartDistance) / kSteps);
      return {{0, 0, 0, 0, W, 0, W, 0, W, H, b, yb, 0, H, a, yb}};
    }
    case Hinge::Bottom:
      break;
  }
  farEdgeEnds(W, i, &a, &b);
  const double reach = H - H * kStartDistance;
  const double yt = std::trunc(reach - i * (reach / kSteps));
  return {{0, 0, a, yt, 0, H, 0, H, W, H, W, H, W, 0, b, yt}};
}

}  // namespace

// Every step draws onto the same canvas (previous, or black for the first picture): the
// trapezoid only grows, so the outgoing picture stays visible just outside it.
TransitionPlan planEdgeFlip(const TransitionJob& job, const EffectVariant& variant) {
  const Hinge hinge = std::get<Hinge>(variant);
  const int W = job.width, H = job.height;
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    drawInPerspective(target, s.incoming.get(), flipStep(hinge, W, H, k + 1));
  };
  return {{{kSwingFrames, Layering::OntoOutgoing, std::move(draw)}}};
}

}  // namespace pictavo
