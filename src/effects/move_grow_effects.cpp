#include "effects/move_grow_effects.h"

#include <memory>

#include "effects/canvas_ratio.h"
#include "effects/transition_plan.h"
#include "imaging/lanczos_scale.h"

namespace pictavo {
namespace {

constexpr int kMoveFrames = 6;

// The picture grows in units of about a twelfth of the canvas width (kept even); n units
// span the width. The small picture that travels is two units wide.
struct Layout {
  int W, H;
  double r;
  int unit;
  int units;

  Layout(int width, int height) : W(width), H(height), r(canvasRatio(width, height)) {
    unit = W / 12;
    if (unit % 2 != 0) ++unit;
    units = unit > 0 ? W / unit + (W % unit != 0 ? 1 : 0) : 0;
  }
};

struct Point {
  long x, y;
};

// The small picture's top-left corner at move step k. The vertical moves step by a twelfth
// of H - 2u, as if the picture were square, so it jumps onto the centre line when it starts
// to grow.
Point smallPictureAt(Entry entry, const Layout& l, int k) {
  const int side = 2 * l.unit;
  const double acrossSteps = (l.H - side) * 0.5 / kMoveFrames;
  const double alongSteps = (l.W - side) * 0.5 / kMoveFrames;
  const long middleY = wholePixels((l.H - side * l.r) * 0.5);
  switch (entry) {
    case Entry::Top: return {(l.W - side) / 2, wholePixels(k * acrossSteps)};
    case Entry::Bottom:
      return {(l.W - side) / 2, wholePixels((l.H - side * l.r) - k * acrossSteps)};
    case Entry::Left: return {wholePixels(k * alongSteps), middleY};
    case Entry::Right: break;
  }
  return {wholePixels((l.W - side) - k * alongSteps), middleY};
}

// The size of the picture `units` units wide with the canvas proportions.
Point scaledSize(const Layout& l, int units) {
  const long width = units * l.unit;
  return {width, wholePixels(width * l.r)};
}

// The picture scaled to `units` units wide; null when that leaves nothing to show.
SurfacePtr scaledPicture(cairo_surface_t* picture, const Layout& l, int units) {
  const Point size = scaledSize(l, units);
  if (size.x <= 0 || size.y <= 0) return nullptr;
  SurfacePtr scaled = newSurface(static_cast<int>(size.x), static_cast<int>(size.y));
  drawLanczosScaled(scaled.get(), picture, 0, 0, static_cast<int>(size.x),
                    static_cast<int>(size.y));
  return scaled;
}

// The picture `units` units wide drawn centred onto the canvas.
void drawCentred(cairo_surface_t* canvas, cairo_surface_t* picture, const Layout& l,
                 int units) {
  const Point size = scaledSize(l, units);
  drawLanczosScaled(canvas, picture, static_cast<int>((l.W - size.x) / 2),
                    static_cast<int>(wholePixels((l.H - size.x * l.r) * 0.5)),
                    static_cast<int>(size.x), static_cast<int>(size.y));
}

}  // namespace

TransitionPlan planMoveAndGrow(const TransitionJob& job, const EffectVariant& variant) {
  const Entry entry = std::get<Entry>(variant);
  const Layout l(job.width, job.height);
  // A canvas too narrow for a unit has nothing to move: the picture simply comes in.
  const int moveFrames = l.units >= 2 ? kMoveFrames : 0;
  // Move: each frame is a fresh copy of the outgoing picture, so the small one leaves no
  // trail. The small picture is made once, at the first step.
  auto small = std::make_shared<SurfacePtr>();
  StepDraw move = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    if (k == 0) *small = scaledPicture(s.incoming.get(), l, 2);
    const Point at = smallPictureAt(entry, l, k);
    if (*small) copySurface(target, small->get(), at.x, at.y);
  };
  // Grow: drawn onto the outgoing picture itself (or one black canvas), 2, 3, ... units wide.
  StepDraw grow = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    drawCentred(target, s.incoming.get(), l, k + 2);
  };
  return {{{moveFrames, Layering::OverOutgoing, std::move(move)},
           {l.units - 2, Layering::OntoOutgoing, std::move(grow)}}};
}

}  // namespace pictavo
