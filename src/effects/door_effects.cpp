#include "effects/door_effects.h"

#include <algorithm>

#include "effects/canvas_ratio.h"
#include "effects/transition_plan.h"

namespace pictavo {
namespace {

// The doors' step: a thirtieth of the length across, made even.
int doorStep(int length) {
  int g = std::max(length / 30, 1);
  return g % 2 ? g + 1 : g;
}

// Both doors w wide (or high), cut from `source` next to the middle line, and laid at the
// edges: the left (top) door's inner part at the origin, the right (bottom) one's at the
// far edge.
void pasteDoors(cairo_surface_t* target, cairo_surface_t* source, bool sideways, int W, int H,
                int w) {
  if (sideways) {
    const int cx = W / 2, d = cx - w;
    pastePart(target, source, d, 0, w, H, 0, 0);
    pastePart(target, source, cx, 0, w, H, W - cx + d, 0);
  } else {
    const int cy = H / 2, d = cy - w;
    pastePart(target, source, 0, d, W, w, 0, 0);
    pastePart(target, source, 0, cy, W, w, 0, H - cy + d);
  }
}

// Opening: the outgoing picture's doors, narrower every frame, over the incoming picture.
// Closing: the incoming picture's doors, wider every frame, drawn onto the outgoing one.
TransitionPlan doorsPlan(bool sideways, bool opening, const TransitionJob& job) {
  const int W = job.width, H = job.height;
  const int g = doorStep(sideways ? W : H);
  // The doors open as the outgoing picture's shape closes.
  return openOrClose(stepsInside(sideways ? W : H, 2 * g), !opening,
                     [=](cairo_surface_t* target, cairo_surface_t* source, int size) {
                       pasteDoors(target, source, sideways, W, H, size * g);
                     });
}

// The quarters' step: an odd step becomes even, upward below 3 and downward from 3.
int quarterStep(int step) {
  step = std::max(step, 1);
  if (step % 2 == 0) return step;
  return step < 3 ? step + 1 : step - 1;
}

// The four pieces w wide cut from `source` next to its centre and laid in the corners.
void pasteQuarters(cairo_surface_t* target, cairo_surface_t* source, int W, int H, int w,
                   double ratio) {
  const int cx = W / 2, cy = H / 2;
  const double scaled = w * ratio;
  const int pieceH = static_cast<int>(scaled);
  const int top = static_cast<int>(cy - scaled);
  const int bottom = static_cast<int>(H - scaled);
  pastePart(target, source, cx - w, top, w, pieceH, 0, 0);
  pastePart(target, source, cx - w, cy, w, pieceH, 0, bottom);
  pastePart(target, source, cx, top, w, pieceH, W - cx + (cx - w), 0);
  pastePart(target, source, cx, cy, w, pieceH, W - w, bottom);
}

// Flying in: the incoming picture's quarters, wider every frame, drawn onto the outgoing
// one. Flying out: the outgoing picture's quarters, narrower every frame, over the incoming.
TransitionPlan quartersPlan(bool flyingIn, const TransitionJob& job) {
  const int W = job.width, H = job.height;
  const int step = quarterStep(job.params.step);
  const double ratio = canvasRatio(W, H);
  return openOrClose(stepsInside(W, 2 * step), flyingIn,
                     [=](cairo_surface_t* target, cairo_surface_t* source, int size) {
                       pasteQuarters(target, source, W, H, step * size, ratio);
                     });
}

}  // namespace

TransitionPlan planDoor(const TransitionJob& job, const EffectVariant& variant) {
  switch (std::get<DoorMotion>(variant)) {
    case DoorMotion::OpenSideways: return doorsPlan(true, true, job);
    case DoorMotion::OpenVertically: return doorsPlan(false, true, job);
    case DoorMotion::CloseSideways: return doorsPlan(true, false, job);
    case DoorMotion::CloseVertically: return doorsPlan(false, false, job);
    case DoorMotion::QuartersFlyIn: return quartersPlan(true, job);
    case DoorMotion::QuartersFlyOut: break;
  }
  return quartersPlan(false, job);
}

}  // namespace pictavo
