#include "effects/drag_slide_effects.h"

#include <algorithm>

#include "effects/frame_handoff.h"

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

WandPtr renderDrag(Movement m, const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  const int length = isHorizontal(m) ? W : H;
  const int step = std::max(params.step, 1);
  SurfaceSet s(job);
  // The distance grows by step; the last step is shortened to end exactly at the length.
  for (int h = step; h < length; h = std::min(h + step, length)) {
    if (!out.frameSurface([&] {
          composeDrag(m, s.frame.get(), s.incoming.get(), s.outgoing.get(), W, H, h);
          return s.frame.get();
        }))
      return nullptr;
  }
  return finishOnPicture(job, s.incoming.get());
}

// The slides' step: a seventeenth of the length, made even.
int slideStep(int length) {
  int g = std::max(length / 17, 1);
  return g % 2 ? g + 1 : g;
}

// `top` laid at `offset` along the movement over the whole of `bottom`.
cairo_surface_t* composeShifted(Movement m, cairo_surface_t* frame, cairo_surface_t* bottom,
                                cairo_surface_t* top, int offset) {
  copySurface(frame, bottom);
  copySurface(frame, top, isHorizontal(m) ? offset : 0, isHorizontal(m) ? 0 : offset);
  return frame;
}

// The outgoing picture slides off, moved by the remainder of the length in the first frame
// and by one step more in every further frame.
WandPtr renderSlideOut(Movement m, const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  FrameHandOn& out = job.out;
  const int length = isHorizontal(m) ? W : H;
  const int g = slideStep(length);
  const int n = length / g - (length % g == 0 ? 1 : 0);
  SurfaceSet s(job);
  for (int k = 1; k <= n; ++k) {
    const int moved = length - n * g + (k - 1) * g;
    const int offset = isForward(m) ? moved : -moved;
    if (!out.frameSurface([&] {
          return composeShifted(m, s.frame.get(), s.incoming.get(), s.outgoing.get(), offset);
        }))
      return nullptr;
  }
  return finishOnPicture(job, s.incoming.get());
}

// The incoming picture slides over the outgoing one (each frame covers what the one before
// showed of it, so composing every frame afresh gives the same pixels).
WandPtr renderSlideIn(Movement m, const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  FrameHandOn& out = job.out;
  const int length = isHorizontal(m) ? W : H;
  const int g = slideStep(length);
  const int n = length / g + (length % g > 0 ? 1 : 0);
  SurfaceSet s(job);
  for (int k = 1; k < n; ++k) {
    const int behind = k * g - length;  // how far the picture still is from its place
    const int offset = isForward(m) ? behind : -behind;
    if (!out.frameSurface([&] {
          return composeShifted(m, s.frame.get(), s.outgoing.get(), s.incoming.get(), offset);
        }))
      return nullptr;
  }
  return finishOnPicture(job, s.incoming.get());
}

}  // namespace

WandPtr renderDragSlide(const TransitionJob& job, const EffectVariant& variant) {
  const Slide slide = std::get<Slide>(variant);
  switch (slide.kind) {
    case Slide::Drag: return renderDrag(slide.movement, job);
    case Slide::SlideOut: return renderSlideOut(slide.movement, job);
    case Slide::SlideIn: break;
  }
  return renderSlideIn(slide.movement, job);
}

}  // namespace pictavo
