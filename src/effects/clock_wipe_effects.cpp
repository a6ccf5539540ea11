#include "effects/clock_wipe_effects.h"

#include <cmath>

#include "effects/transition_plan.h"
#include "effects/surface_shapes.h"

namespace pictavo {
namespace {

// Where the slices of one frame go: the centre, the radius, and the path to add them to.
struct Dial {
  double cx, cy, radius;
  cairo_t* cr;

  // A closed pie slice from angle `start` to `end` (degrees; 0 points right, growing angles
  // turn clockwise on screen). The angles pass through single precision and this value of
  // pi, as the 16-bit drawing took them, so the hands land where they always did.
  void slice(double start, double end) const {
    const double kPi = 3.1415926;
    double from = static_cast<float>(start) / 180.0 * kPi;
    double to = static_cast<float>(end) / 180.0 * kPi;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, radius, from, to);
    cairo_close_path(cr);
  }
};

// Adds the slices of the frame whose hands have turned `turned` degrees.
using SliceRule = void (*)(const Dial& dial, double turned);

// Frames needed to sweep `limit` degrees in steps of `angleStep`: whole steps, plus one
// when a part is left over (compared in thousandths of a degree).
int sweepSteps(int limit, double angleStep) {
  int stepMillis = static_cast<int>(std::trunc(angleStep * 1000));
  if (stepMillis <= 0) return 1;  // no usable step: the final frame completes the circle
  int whole = static_cast<int>(std::trunc(limit / angleStep));
  return whole + ((limit * 1000) % stepMillis != 0 ? 1 : 0);
}

// The clock wipe: frame k turns the hands by k x angleStep, drawn onto the outgoing picture
// (or black) so that every frame adds to the last; the final frame is the plain picture.
TransitionPlan turnHands(const TransitionJob& job, int limit, SliceRule slices) {
  const int W = job.width, H = job.height;
  const double angleStep = job.params.angleStep;
  // For even sizes the radius is half the diagonal, so a full turn covers the canvas.
  const double radius = std::sqrt(static_cast<double>(((W / 2) * W) / 2 + ((H / 2) * H) / 2));
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    // The hands have not turned yet: slices of zero angle cover nothing (drawn, they would
    // leave a one-pixel line along each hand).
    if (k == 0) return;
    fillPathFrom(target, s.incoming.get(), [&](cairo_t* cr) {
      slices(Dial{static_cast<double>(W / 2), static_cast<double>(H / 2), radius, cr},
             k * angleStep);
    });
  };
  return {{{sweepSteps(limit, angleStep), Layering::OntoOutgoing, std::move(draw)}}};
}

}  // namespace

TransitionPlan planClockWipe(const TransitionJob& job, const EffectVariant& variant) {
  switch (std::get<ClockHands>(variant)) {
    case ClockHands::ClockwiseFromTwelve:
      return turnHands(job, 360, [](const Dial& dial, double t) { dial.slice(270, 270 + t); });
    case ClockHands::CounterClockwiseFromTwelve:
      return turnHands(job, 360, [](const Dial& dial, double t) { dial.slice(270 - t, 270); });
    case ClockHands::ClockwiseFromNine:
      return turnHands(job, 360, [](const Dial& dial, double t) { dial.slice(180, 180 + t); });
    case ClockHands::CounterClockwiseFromNine:
      return turnHands(job, 360, [](const Dial& dial, double t) { dial.slice(180 - t, 180); });
    case ClockHands::BothWaysFromTwelve:
      return turnHands(job, 180, [](const Dial& dial, double t) { dial.slice(270 - t, 270 + t); });
    case ClockHands::Windmill: break;
  }
  // Each blade's end is cut to whole degrees before it is drawn.
  return turnHands(job, 90, [](const Dial& dial, double t) {
    dial.slice(270, std::trunc(270 + t));
    dial.slice(0, std::trunc(t));
    dial.slice(90, std::trunc(90 + t));
    dial.slice(180, std::trunc(180 + t));
  });
}

}  // namespace pictavo
