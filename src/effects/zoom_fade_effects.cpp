#include "effects/zoom_fade_effects.h"

#include "effects/frame_handoff.h"
#include "imaging/lanczos_scale.h"

namespace pictavo {
namespace {

// Lays the outgoing picture over `frame` at the given opacity.
void layOver(cairo_surface_t* frame, cairo_surface_t* outgoing, double opacity) {
  CairoPtr cr = drawOn(frame);
  cairo_set_source_surface(cr.get(), outgoing, 0, 0);
  cairo_paint_with_alpha(cr.get(), opacity);
}

// The zoom frame of the picture grown by `growth` pixels in width (the height in the canvas
// proportions, rounded half up), centred and cut to the canvas; growth 0 is the picture.
void drawZoomFrame(cairo_surface_t* frame, cairo_surface_t* picture, int W, int H, int growth) {
  if (growth == 0) {
    copySurface(frame, picture);
    return;
  }
  float ratio = static_cast<float>(static_cast<double>(H) / static_cast<double>(W));
  float extra = ratio * static_cast<float>(growth);
  int whole = static_cast<int>(extra);
  int newHeight = H + whole + (extra - static_cast<float>(whole) >= 0.5f ? 1 : 0);
  int newWidth = W + growth;
  drawLanczosScaled(frame, picture, (W - newWidth) / 2, (H - newHeight) / 2, newWidth, newHeight);
}

// Both zooms: frames 0..n, frame k enlarged by growthAt(k) pixels; the previous picture is
// laid over the first five frames at falling opacity (none for the first picture).
template <class Growth>
WandPtr renderZoom(const TransitionJob& job, Growth growthAt) {
  const int W = job.width;
  const int H = job.height;
  MagickWand* const picture = job.picture;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  WandPtr& previous = job.previous;
  int step = params.step % 2 ? params.step + 1 : params.step;  // growth stays even
  int n = params.frames;
  float fadeLevel = 10.0f;
  SurfacePtr source, outgoing, frame;
  if (!out.counting()) {
    source = surfaceFromWand(picture);
    if (previous) outgoing = surfaceFromWand(previous.get());
    frame = newSurface(W, H);
  }
  auto draw = [&](int k) {
    fadeLevel -= 1.5f;
    double alpha = fadeLevel * 0.1;
    drawZoomFrame(frame.get(), source.get(), W, H, growthAt(k, step, n));
    if (alpha > 0.1 && outgoing) layOver(frame.get(), outgoing.get(), alpha);
    return frame.get();
  };
  for (int k = 0; k < n; ++k) {
    if (!out.frameSurface([&] { return draw(k); })) return nullptr;
  }
  bool plain = growthAt(n, step, n) == 0;  // the picture itself: handed on as it is
  return out.finishSurface([&] { return draw(n); },
                           [&](cairo_surface_t* shown) {
                             return plain ? cloneWand(picture) : wandFromSurface(shown);
                           },
                           std::move(previous));
}

WandPtr renderFade(const TransitionJob& job) {
  const int W = job.width;
  const int H = job.height;
  MagickWand* const picture = job.picture;
  const EffectParams& params = job.params;
  FrameHandOn& out = job.out;
  WandPtr& previous = job.previous;
  int step = params.step;
  int level = 100 - step;  // percent of the previous picture in the next frame
  if (step < 1 || step > 20) {
    step = 6;
    level = 94;
  }
  SurfacePtr source, outgoing, frame;
  if (!out.counting()) {
    source = surfaceFromWand(picture);
    outgoing = outgoingSurface(previous, W, H);
    frame = newSurface(W, H);
  }
  for (; level > 0; level -= step) {
    bool written = out.frameSurface([&] {
      copySurface(frame.get(), source.get());
      if (level / 100.0 > 0.01) layOver(frame.get(), outgoing.get(), level / 100.0);
      return frame.get();
    });
    if (!written) return nullptr;
  }
  return out.finishSurface([&] { return source.get(); },
                           [&](cairo_surface_t*) { return cloneWand(picture); },
                           std::move(previous));
}

}  // namespace

WandPtr renderZoomFade(const TransitionJob& job, const EffectVariant& variant) {
  switch (std::get<ZoomFade>(variant)) {
    case ZoomFade::ZoomOut:
      return renderZoom(job, [](int k, int step, int n) { return step * (n - k); });
    case ZoomFade::ZoomIn: return renderZoom(job, [](int k, int step, int) { return step * k; });
    case ZoomFade::Fade: break;
  }
  return renderFade(job);
}

}  // namespace pictavo
