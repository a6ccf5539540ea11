#include "effects/zoom_fade_effects.h"

#include "effects/transition_plan.h"
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

// The previous picture's opacity over zoom frame k: it fades out over the first five
// frames.
double zoomFadeOpacity(int k) {
  const float level = 10.0f - 1.5f * static_cast<float>(k + 1);
  return level * 0.1;
}

// Both zooms: steps 0..n - 1, step k enlarged by growthAt(k) pixels with the previous
// picture laid over it (none for the first picture); the final frame is step n.
template <class Growth>
TransitionPlan zoomPlan(const TransitionJob& job, Growth growthAt) {
  const int W = job.width, H = job.height, n = job.params.frames;
  const int step = job.params.step % 2 ? job.params.step + 1 : job.params.step;  // growth stays even
  const bool fadesOut = job.previous != nullptr;
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    drawZoomFrame(target, s.incoming.get(), W, H, growthAt(k, step, n));
    const double alpha = zoomFadeOpacity(k);
    if (alpha > 0.1 && fadesOut) layOver(target, s.outgoing.get(), alpha);
  };
  // Ending without growth is the picture itself, handed on as it is.
  const Ending ending = growthAt(n, step, n) == 0 ? Ending::OnPicture : Ending::OnLastStep;
  return {{{n, Layering::WholeFrame, std::move(draw)}}, ending};
}

// The previous picture laid over the incoming one, step percent less of it every frame.
TransitionPlan fadePlan(const TransitionJob& job) {
  int step = job.params.step;
  if (step < 1 || step > 20) step = 6;
  StepDraw draw = [step](cairo_surface_t* target, SurfaceSet& s, int k) {
    const int level = 100 - step * (k + 1);  // percent of the previous picture
    if (level / 100.0 > 0.01) layOver(target, s.outgoing.get(), level / 100.0);
  };
  return {{{stepsInside(100, step), Layering::OverIncoming, std::move(draw)}}};
}

}  // namespace

TransitionPlan planZoomFade(const TransitionJob& job, const EffectVariant& variant) {
  switch (std::get<ZoomFade>(variant)) {
    case ZoomFade::ZoomOut:
      return zoomPlan(job, [](int k, int step, int n) { return step * (n - k); });
    case ZoomFade::ZoomIn: return zoomPlan(job, [](int k, int step, int) { return step * k; });
    case ZoomFade::Fade: break;
  }
  return fadePlan(job);
}

}  // namespace pictavo
