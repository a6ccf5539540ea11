#include "effects/edge_wipe_effects.h"

#include <algorithm>

#include "effects/frame_handoff.h"
#include "effects/shape_rectangle.h"
#include "effects/surface_shapes.h"

namespace pictavo {
namespace {

// A step below one pixel (a canvas narrower than the step's divisor) would never finish.
int atLeastOnePixel(int step) { return std::max(step, 1); }

// The incoming picture with the part (x, y, width x height) of the outgoing picture over it,
// drawn on `frame`. An empty window shows nothing.
cairo_surface_t* pictureUnderWindow(cairo_surface_t* frame, const SurfaceSet& s, int x, int y,
                                    int width, int height) {
  copySurface(frame, s.incoming.get());
  pastePart(frame, s.outgoing.get(), x, y, width, height, x, y);
  return frame;
}

// The four corners of the canvas, q wide and q x ratio high, in drawing order.
std::vector<Rectangle> cornerRectangles(int W, int H, double q, double qHeight) {
  double mirrored = W - q;
  return {{0, 0, q, qHeight},
          {0, static_cast<double>(H), q, H - qHeight},
          {static_cast<double>(W), 0, mirrored, qHeight},
          {static_cast<double>(W), static_cast<double>(H), mirrored, H - qHeight}};
}

// The band sequence of the two band wipes: length - step, - 2 step, ... while positive,
// then a band of one pixel, then none. band(e) hands on the frame of band e.
template <class Band>
bool runBands(int length, int step, Band&& band) {
  for (int e = length - step; e > 0;) {
    if (!band(e)) return false;
    if (e == 1) break;
    e = e - step > 0 ? e - step : 1;
  }
  return true;
}

WandPtr renderShrinkingWindow(const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  int step = atLeastOnePixel(params.step);
  float ratio = static_cast<float>(static_cast<double>(H) / static_cast<double>(W));
  SurfaceSet s(job);
  for (int d = W - step; d > 0; d -= step) {
    bool written = out.frameSurface([&] {
      float height = static_cast<float>(d) * ratio;
      int y = static_cast<int>((H - height) * 0.5);
      return pictureUnderWindow(s.frame.get(), s, (W - d) / 2, y, d, static_cast<int>(height));
    });
    if (!written) return nullptr;
  }
  return finishOnPicture(job, s.incoming.get());
}

// A centred band of the outgoing picture narrows (across) or flattens.
WandPtr renderBand(const TransitionJob& job, bool across) {
  const int W = job.width;
  const int H = job.height;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  SurfaceSet s(job);
  bool written = runBands(across ? W : H, atLeastOnePixel(params.step), [&](int e) {
    return out.frameSurface([&] {
      return across ? pictureUnderWindow(s.frame.get(), s, (W - e) / 2, 0, e, H)
                    : pictureUnderWindow(s.frame.get(), s, 0, (H - e) / 2, W, e);
    });
  });
  if (!written) return nullptr;
  return finishOnPicture(job, s.incoming.get());
}

WandPtr renderCornersGrowIn(const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  int step = atLeastOnePixel(params.step);
  int steps = (W / step) / 2 + (W % (2 * step) > 0 ? 1 : 0);
  float ratio = static_cast<float>(static_cast<double>(H) / static_cast<double>(W));
  SurfaceSet s(job);
  for (int k = 1; k < steps; ++k) {
    // The corners are drawn onto the outgoing picture itself: each frame adds to the last.
    bool written = out.frameSurface([&] {
      int q = step * k;
      fillRectanglesFrom(s.outgoing.get(), s.incoming.get(), cornerRectangles(W, H, q, q * ratio));
      return s.outgoing.get();
    });
    if (!written) return nullptr;
  }
  return finishOnPicture(job, s.incoming.get());
}

WandPtr renderCornersShrinkOut(const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  int step = atLeastOnePixel(params.step);
  int largest = (W / step) / 2 - (W % (2 * step) == 0 ? 1 : 0);
  double ratio = static_cast<double>(H) / static_cast<double>(W);
  SurfaceSet s(job);
  for (int g = largest; g >= 1; --g) {
    bool written = out.frameSurface([&] {
      int q = step * g;
      copySurface(s.frame.get(), s.incoming.get());
      fillRectanglesFrom(s.frame.get(), s.outgoing.get(), cornerRectangles(W, H, q, q * ratio));
      return s.frame.get();
    });
    if (!written) return nullptr;
  }
  return finishOnPicture(job, s.incoming.get());
}

}  // namespace

WandPtr renderEdgeWipe(const TransitionJob& job, const EffectVariant& variant) {
  switch (std::get<EdgeWipe>(variant)) {
    case EdgeWipe::ShrinkingWindow: return renderShrinkingWindow(job);
    case EdgeWipe::NarrowingBand: return renderBand(job, true);
    case EdgeWipe::FlatteningBand: return renderBand(job, false);
    case EdgeWipe::CornersGrowIn: return renderCornersGrowIn(job);
    case EdgeWipe::CornersShrinkOut: break;
  }
  return renderCornersShrinkOut(job);
}

}  // namespace pictavo
