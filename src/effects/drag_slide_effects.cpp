#include "effects/drag_slide_effects.h"

#include <algorithm>

#include "effects/transition_plan.h"

namespace pictavo {
namespace {

bool isHorizontal(Movement m) { return m == Movement::Right || m == Movement::Left; }

// Toward the far edge (right, down) or back toward the origin (left, up).
bool isForward(Movement m) { return m == Movement::Right || m == Movement::Down; }

// One drag frame with the incoming picture h pixels in: the incoming picture's leading h
// columns (or rows) at the edge it enters from, the outgoing picture pushed h further.
void composeDrag(Movement m, cairo_surface_t* frame, cairo_surface_t* incoming,
                 cairo_surface_t* outgoing, int W, int H, int h) {
  switch (m) {
    case Movement::Right:
      pastePart(frame, incoming, W - h, 0, h, H, 0, 0);
      copySurface(frame, outgoing, h, 0);
      break;
    case Movement::Left:
      pastePart(frame, outgoing, h, 0, W - h, H, 0, 0);
      pastePart(frame, incoming, 0, 0, h, H, W - h, 0);
      break;
    case Movement::Down:
      pastePart(frame, incoming, 0, H - h, W, h, 0, 0);
      copySurface(frame, outgoing, 0, h);
      break;
    case Movement::Up:
      pastePart(frame, outgoing, 0, h, W, H - h, 0, 0);
      pastePart(frame, incoming, 0, 0, W, h, 0, H - h);
      break;
  }
}

// The incoming picture pushes the outgoing one out, step pixels further every frame.
TransitionPlan dragPlan(Movement m, const TransitionJob& job) {
  const int W = job.width, H = job.height;
  const int length = isHorizontal(m) ? W : H;
  const int step = std::max(job.params.step, 1);
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    composeDrag(m, target, s.incoming.get(), s.outgoing.get(), W, H, step * (k + 1));
  };
  return {{{stepsInside(length, step), Layering::WholeFrame, std::move(draw)}}};
}

// The slides' step: a seventeenth of the length, made even.
int slideStep(int length) {
  int g = std::max(length / 17, 1);
  return g % 2 ? g + 1 : g;
}

// `top` laid at `offset` along the movement.
void layShifted(Movement m, cairo_surface_t* frame, cairo_surface_t* top, int offset) {
  copySurface(frame, top, isHorizontal(m) ? offset : 0, isHorizontal(m) ? 0 : offset);
}

// The outgoing picture slides off, moved by the remainder of the length in the first frame
// and by one step more in every further frame.
TransitionPlan slideOutPlan(Movement m, const TransitionJob& job) {
  const int length = isHorizontal(m) ? job.width : job.height;
  const int g = slideStep(length);
  const int n = stepsInside(length, g);
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    const int moved = length - n * g + k * g;
    layShifted(m, target, s.outgoing.get(), isForward(m) ? moved : -moved);
  };
  return {{{n, Layering::OverIncoming, std::move(draw)}}};
}

// The incoming picture slides over the outgoing one.
TransitionPlan slideInPlan(Movement m, const TransitionJob& job) {
  const int length = isHorizontal(m) ? job.width : job.height;
  const int g = slideStep(length);
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    const int behind = (k + 1) * g - length;  // how far the picture still is from its place
    layShifted(m, target, s.incoming.get(), isForward(m) ? behind : -behind);
  };
  return {{{stepsInside(length, g), Layering::OverOutgoing, std::move(draw)}}};
}

}  // namespace

TransitionPlan planDragSlide(const TransitionJob& job, const EffectVariant& variant) {
  const Slide slide = std::get<Slide>(variant);
  switch (slide.kind) {
    case Slide::Drag: return dragPlan(slide.movement, job);
    case Slide::SlideOut: return slideOutPlan(slide.movement, job);
    case Slide::SlideIn: break;
  }
  return slideInPlan(slide.movement, job);
}

}  // namespace pictavo
