#include "effects/grow_reveal_effects.h"

#include <algorithm>

#include "effects/canvas_ratio.h"
#include "effects/transition_plan.h"
#include "imaging/lanczos_scale.h"

namespace pictavo {
namespace {

// Scale: the whole picture shrunk into the rectangle. Cut: the rectangle's own part of the
// picture, left in place.
enum class Kind { Scale, Cut };
// The side along which the rectangle grows by the step each frame.
enum class Along { Width, Height };

struct Rect {
  long width, height, x, y;
};

// Canvas size, its ratio rounded to single precision, and the current extent d.
struct GrowState {
  int W, H;
  double r;
  int d;
  double hf() const { return d * r; }  // the height that goes with width d
  double wf() const { return d / r; }  // the width that goes with height d
};

using RectAt = Rect (*)(const GrowState&);

struct GrowEffect {
  Kind kind;
  Along along;
  RectAt rect;
};

Rect atTopLeft(const GrowState& g) { return {g.d, wholePixels(g.hf()), 0, 0}; }
Rect atTopRight(const GrowState& g) { return {g.d, wholePixels(g.hf()), g.W - g.d, 0}; }
Rect atBottomLeft(const GrowState& g) {
  return {g.d, wholePixels(g.hf()), 0, wholePixels(g.H - g.hf())};
}
Rect atBottomRight(const GrowState& g) {
  return {g.d, wholePixels(g.hf()), g.W - g.d, wholePixels(g.H - g.hf())};
}
// The bottom-corner reveals lean 0.1 pixel down so a height a hair below a whole pixel
// still reaches the bottom edge.
Rect revealAtBottomLeft(const GrowState& g) {
  return {g.d, wholePixels(g.hf() + 0.1), 0, wholePixels(g.H - g.hf() + 0.1)};
}
Rect revealAtBottomRight(const GrowState& g) {
  return {g.d, wholePixels(g.hf() + 0.1), g.W - g.d, wholePixels(g.H - g.hf() + 0.1)};
}
Rect atLeftMiddle(const GrowState& g) {
  return {g.d, wholePixels(g.hf()), 0, wholePixels((g.H - g.hf()) * 0.5)};
}
Rect atRightMiddle(const GrowState& g) {
  return {g.d, wholePixels(g.hf()), g.W - g.d, wholePixels((g.H - g.hf()) * 0.5)};
}
Rect atTopMiddle(const GrowState& g) {
  return {wholePixels(g.wf()), g.d, wholePixels((g.W - g.wf()) * 0.5), 0};
}
Rect atBottomMiddle(const GrowState& g) {
  return {wholePixels(g.wf()), g.d, wholePixels((g.W - g.wf()) * 0.5), g.H - g.d};
}
Rect atCentre(const GrowState& g) {
  return {g.d, wholePixels(g.hf()), (g.W - g.d) / 2, wholePixels((g.H - g.hf()) * 0.5)};
}
Rect columnAtCentre(const GrowState& g) { return {g.d, g.H, (g.W - g.d) / 2, 0}; }
Rect rowAtCentre(const GrowState& g) { return {g.W, g.d, 0, (g.H - g.d) / 2}; }
Rect columnAtLeft(const GrowState& g) { return {g.d, g.H, 0, 0}; }
Rect columnAtRight(const GrowState& g) { return {g.d, g.H, g.W - g.d, 0}; }
Rect rowAtTop(const GrowState& g) { return {g.W, g.d, 0, 0}; }
Rect rowAtBottom(const GrowState& g) { return {g.W, g.d, 0, g.H - g.d}; }

// Draws the rectangle of the picture onto the canvas; an empty rectangle draws nothing.
void drawRectangle(cairo_surface_t* canvas, cairo_surface_t* picture, Kind kind,
                   const Rect& rect) {
  if (rect.width <= 0 || rect.height <= 0) return;
  int x = static_cast<int>(rect.x), y = static_cast<int>(rect.y);
  int width = static_cast<int>(rect.width), height = static_cast<int>(rect.height);
  if (kind == Kind::Scale)
    drawLanczosScaled(canvas, picture, x, y, width, height);
  else
    pastePart(canvas, picture, x, y, width, height, x, y);
}

// The rectangle grows from `step` in steps of `step`, drawn onto the outgoing picture (each
// frame adds to the last); the full extent is the final frame. A step below one pixel counts
// as one, and one beyond the full extent as the full extent.
TransitionPlan growRectangle(const TransitionJob& job, const GrowEffect& effect) {
  const int W = job.width, H = job.height;
  const int full = effect.along == Along::Width ? W : H;
  const int S = std::clamp(job.params.step, 1, std::max(full, 1));
  const double r = canvasRatio(W, H);
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    drawRectangle(target, s.incoming.get(), effect.kind, effect.rect({W, H, r, S * (k + 1)}));
  };
  return {{{stepsInside(full, S), Layering::OntoOutgoing, std::move(draw)}}};
}

// What each effect of the family grows, and from where.
GrowEffect growEffectOf(GrowReveal effect) {
  switch (effect) {
    case GrowReveal::GrowFromTopLeft: return {Kind::Scale, Along::Width, atTopLeft};
    case GrowReveal::RevealFromTopLeft: return {Kind::Cut, Along::Width, atTopLeft};
    case GrowReveal::GrowFromBottomLeft: return {Kind::Scale, Along::Width, atBottomLeft};
    case GrowReveal::RevealFromBottomLeft: return {Kind::Cut, Along::Width, revealAtBottomLeft};
    case GrowReveal::GrowFromTopRight: return {Kind::Scale, Along::Width, atTopRight};
    case GrowReveal::RevealFromTopRight: return {Kind::Cut, Along::Width, atTopRight};
    case GrowReveal::GrowFromBottomRight: return {Kind::Scale, Along::Width, atBottomRight};
    case GrowReveal::RevealFromBottomRight: return {Kind::Cut, Along::Width, revealAtBottomRight};
    case GrowReveal::GrowFromLeftMiddle: return {Kind::Scale, Along::Width, atLeftMiddle};
    case GrowReveal::GrowFromTopMiddle: return {Kind::Scale, Along::Height, atTopMiddle};
    case GrowReveal::GrowFromRightMiddle: return {Kind::Scale, Along::Width, atRightMiddle};
    case GrowReveal::GrowFromBottomMiddle: return {Kind::Scale, Along::Height, atBottomMiddle};
    case GrowReveal::GrowFromCentre: return {Kind::Scale, Along::Width, atCentre};
    case GrowReveal::RevealFromCentre: return {Kind::Cut, Along::Width, atCentre};
    case GrowReveal::RevealToLeftAndRight: return {Kind::Cut, Along::Width, columnAtCentre};
    case GrowReveal::RevealUpAndDown: return {Kind::Cut, Along::Height, rowAtCentre};
    case GrowReveal::RevealLeftToRight: return {Kind::Cut, Along::Width, columnAtLeft};
    case GrowReveal::RevealTopToBottom: return {Kind::Cut, Along::Height, rowAtTop};
    case GrowReveal::RevealBottomToTop: return {Kind::Cut, Along::Height, rowAtBottom};
    case GrowReveal::RevealRightToLeft: break;
  }
  return {Kind::Cut, Along::Width, columnAtRight};
}

}  // namespace

TransitionPlan planGrowReveal(const TransitionJob& job, const EffectVariant& variant) {
  return growRectangle(job, growEffectOf(std::get<GrowReveal>(variant)));
}

}  // namespace pictavo
