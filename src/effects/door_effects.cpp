#include "effects/door_effects.h"

#include <algorithm>

#include "effects/canvas_ratio.h"
#include "effects/frame_handoff.h"

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

WandPtr renderDoorsOpen(bool sideways, const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  FrameHandOn& out = job.out;
  const int length = sideways ? W : H;
  const int g = doorStep(length);
  const int widest = length / 2 / g - (length % (2 * g) == 0 ? 1 : 0);
  SurfaceSet s(job);
  for (int k = widest; k >= 1; --k) {
    if (!out.frameSurface([&] {
          copySurface(s.frame.get(), s.incoming.get());
          pasteDoors(s.frame.get(), s.outgoing.get(), sideways, W, H, k * g);
          return s.frame.get();
        }))
      return nullptr;
  }
  return finishOnPicture(job, s.incoming.get());
}

WandPtr renderDoorsClose(bool sideways, const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  FrameHandOn& out = job.out;
  const int length = sideways ? W : H;
  const int g = doorStep(length);
  const int steps = length / 2 / g + (length % (2 * g) > 0 ? 1 : 0);
  SurfaceSet s(job);
  for (int k = 1; k < steps; ++k) {
    if (!out.frameSurface([&] {
          pasteDoors(s.outgoing.get(), s.incoming.get(), sideways, W, H, k * g);
          return s.outgoing.get();
        }))
      return nullptr;
  }
  return finishOnPicture(job, s.incoming.get());
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

WandPtr renderQuartersFlyIn(const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  const int s = quarterStep(params.step);
  const int steps = W / s / 2 + (W % (2 * s) > 0 ? 1 : 0);
  const double ratio = canvasRatio(W, H);
  SurfaceSet surfaces(job);
  for (int k = 1; k < steps; ++k) {
    if (!out.frameSurface([&] {
          pasteQuarters(surfaces.outgoing.get(), surfaces.incoming.get(), W, H, s * k, ratio);
          return surfaces.outgoing.get();
        }))
      return nullptr;
  }
  return finishOnPicture(job, surfaces.incoming.get());
}

WandPtr renderQuartersFlyOut(const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  const int s = quarterStep(params.step);
  const int widest = W / s / 2 - (W % (2 * s) == 0 ? 1 : 0);
  const double ratio = canvasRatio(W, H);
  SurfaceSet surfaces(job);
  for (int g = widest; g >= 1; --g) {
    if (!out.frameSurface([&] {
          copySurface(surfaces.frame.get(), surfaces.incoming.get());
          pasteQuarters(surfaces.frame.get(), surfaces.outgoing.get(), W, H, s * g, ratio);
          return surfaces.frame.get();
        }))
      return nullptr;
  }
  return finishOnPicture(job, surfaces.incoming.get());
}

}  // namespace

WandPtr renderDoor(const TransitionJob& job, const EffectVariant& variant) {
  switch (std::get<DoorMotion>(variant)) {
    case DoorMotion::OpenSideways: return renderDoorsOpen(true, job);
    case DoorMotion::OpenVertically: return renderDoorsOpen(false, job);
    case DoorMotion::CloseSideways: return renderDoorsClose(true, job);
    case DoorMotion::CloseVertically: return renderDoorsClose(false, job);
    case DoorMotion::QuartersFlyIn: return renderQuartersFlyIn(job);
    case DoorMotion::QuartersFlyOut: break;
  }
  return renderQuartersFlyOut(job);
}

}  // namespace pictavo
