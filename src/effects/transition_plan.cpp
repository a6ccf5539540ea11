#include "effects/transition_plan.h"

#include <utility>

namespace pictavo {
namespace {

// Step k of `phase` drawn as its layering says; returns the surface that shows it.
cairo_surface_t* drawStep(const Phase& phase, SurfaceSet& s, int k) {
  cairo_surface_t* target =
      phase.layering == Layering::OntoOutgoing ? s.outgoing.get() : s.frame.get();
  if (phase.layering == Layering::OverIncoming) copySurface(target, s.incoming.get());
  if (phase.layering == Layering::OverOutgoing) copySurface(target, s.outgoing.get());
  phase.draw(target, s, k);
  return target;
}

}  // namespace

TransitionPlan openOrClose(int steps, bool opening, ShapeFill fill) {
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    if (opening)
      fill(target, s.incoming.get(), k + 1);
    else
      fill(target, s.outgoing.get(), steps - k);
  };
  return {{{steps, opening ? Layering::OntoOutgoing : Layering::OverIncoming, std::move(draw)}}};
}

WandPtr playTransition(const TransitionJob& job, const TransitionPlan& plan) {
  FrameHandOn& out = job.out;
  SurfaceSet s(job);
  for (const Phase& phase : plan.phases) {
    for (int k = 0; k < phase.steps; ++k) {
      if (!out.frameSurface([&] { return drawStep(phase, s, k); })) return nullptr;
    }
  }
  if (plan.ending == Ending::OnPicture || plan.phases.empty())
    return finishOnPicture(job, s.incoming.get());
  const Phase& last = plan.phases.back();
  return out.finishSurface([&] { return drawStep(last, s, last.steps); },
                           [](cairo_surface_t* shown) { return wandFromSurface(shown); },
                           std::move(job.previous));
}

}  // namespace pictavo
