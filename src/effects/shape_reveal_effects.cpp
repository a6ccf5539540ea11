#include "effects/shape_reveal_effects.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "effects/canvas_ratio.h"
#include "effects/shape_point.h"
#include "effects/surface_shapes.h"
#include "effects/transition_plan.h"

namespace pictavo {
namespace {

// A step of at least one pixel, so that a canvas too small for its divisor still ends.
int positiveStep(int step) { return std::max(step, 1); }

// The circle centred on the canvas through the corner of the centred d-wide rectangle with
// the canvas's proportions (ratio = H / W), filled with `source` onto `target`.
void fillCircle(cairo_surface_t* target, cairo_surface_t* source, int width, int height, int d,
                double ratio) {
  const double cx = width / 2, cy = height / 2;
  const double radius = std::hypot(d / 2, d * ratio * 0.5);
  fillPathFrom(target, source, [&](cairo_t* cr) { cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI); });
}

// Adds the closed polygon through `corners` to the path.
void addPolygon(cairo_t* cr, const ShapePoint* corners, int count) {
  cairo_move_to(cr, corners[0].x, corners[0].y);
  for (int i = 1; i < count; ++i) cairo_line_to(cr, corners[i].x, corners[i].y);
  cairo_close_path(cr);
}

// The diamond with its corners on the centre lines: on a landscape canvas half-width h and
// half-height h x ratio, on a portrait one half-height h and half-width h / ratio.
void fillDiamond(cairo_surface_t* target, cairo_surface_t* source, int width, int height, int h,
                 double ratio) {
  const int cx = width / 2, cy = height / 2;
  int top, bottom, halfWidth;
  if (width >= height) {
    top = static_cast<int>(cy - h * ratio);
    bottom = static_cast<int>(cy + h * ratio);
    halfWidth = h;
  } else {
    top = cy - h;
    bottom = cy + h;
    halfWidth = static_cast<int>(h / ratio);
  }
  const ShapePoint corners[] = {{1.0 * cx, 1.0 * top},
                                {1.0 * cx - halfWidth, 1.0 * cy},
                                {1.0 * cx, 1.0 * bottom},
                                {1.0 * cx + halfWidth, 1.0 * cy}};
  fillPathFrom(target, source, [&](cairo_t* cr) { addPolygon(cr, corners, 4); });
}

using Triangle = std::array<ShapePoint, 3>;

// Four wedges with their bases on the edges and their tips toward the centre. Outer wedges
// (the opening X) span the edge but a; inner wedges (the closing X) are 2a wide at the
// middle of each edge. v = a x ratio.
std::array<Triangle, 4> wedges(int width, int height, int a, double v, bool outer) {
  const double W = width, H = height, cx = width / 2, cy = height / 2;
  if (outer)
    return {{{{{cx, std::trunc(cy - v)}, {1.0 * a, 0}, {W - a, 0}}},
             {{{cx - a, cy}, {0, std::trunc(v)}, {0, std::trunc(H - v)}}},
             {{{cx, std::trunc(cy + v)}, {1.0 * a, H}, {W - a, H}}},
             {{{cx + a, cy}, {W, std::trunc(v)}, {W, std::trunc(H - v)}}}}};
  return {{{{{cx, std::trunc(v)}, {cx - a, 0}, {cx + a, 0}}},
           {{{1.0 * a, cy}, {0, std::trunc(cy - v)}, {0, std::trunc(cy + v)}}},
           {{{cx, std::trunc(H - v)}, {cx - a, H}, {cx + a, H}}},
           {{{W - a, cy}, {W, std::trunc(cy - v)}, {W, std::trunc(cy + v)}}}}};
}

// The four wedges as one path of closed triangles, filled with `source` onto `target`.
void fillWedges(cairo_surface_t* target, cairo_surface_t* source, int width, int height, int a,
                double v, bool outer) {
  const std::array<Triangle, 4> triangles = wedges(width, height, a, v, outer);
  fillPathFrom(target, source, [&](cairo_t* cr) {
    for (const Triangle& t : triangles) addPolygon(cr, t.data(), 3);
  });
}

// The circle grows from the middle (opening, drawn onto the outgoing picture) or shrinks
// into it (closing, the outgoing picture's circle over the incoming one) by step in diameter.
TransitionPlan circlePlan(const TransitionJob& job, bool opening) {
  const int W = job.width, H = job.height, step = positiveStep(job.params.step);
  const int steps = stepsInside(W, step);
  const double ratio = opening ? canvasRatio(W, H) : static_cast<double>(H) / W;
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    if (opening)
      fillCircle(target, s.incoming.get(), W, H, step * (k + 1), ratio);
    else
      fillCircle(target, s.outgoing.get(), W, H, W - step * (k + 1), ratio);
  };
  return {{{steps, opening ? Layering::OntoOutgoing : Layering::OverIncoming, std::move(draw)}}};
}

// The diamond grows by a sixteenth of the longer side (opening) or shrinks by as much.
TransitionPlan diamondPlan(const TransitionJob& job, bool opening) {
  const int W = job.width, H = job.height;
  const int longSide = std::max(W, H);
  const int step = positiveStep(longSide / 16);
  const double ratio = canvasRatio(W, H);
  return openOrClose(stepsInside(longSide, step), opening,
                     [=](cairo_surface_t* target, cairo_surface_t* source, int size) {
                       fillDiamond(target, source, W, H, step * size, ratio);
                     });
}

// Opening: the outer wedges of the outgoing picture on a fresh copy of the incoming one.
// Closing: the inner wedges of the incoming picture drawn onto the outgoing one, each frame
// adding to the last.
TransitionPlan xPlan(const TransitionJob& job, bool opening) {
  const int W = job.width, H = job.height, step = positiveStep(job.params.step);
  const double ratio = canvasRatio(W, H);
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    const int a = step * (k + 1);
    if (opening)
      fillWedges(target, s.outgoing.get(), W, H, a, a * ratio, /*outer=*/true);
    else
      fillWedges(target, s.incoming.get(), W, H, a, a * ratio, /*outer=*/false);
  };
  return {{{stepsInside(W / 2, step), opening ? Layering::OverIncoming : Layering::OntoOutgoing,
            std::move(draw)}}};
}

}  // namespace

TransitionPlan planShapeReveal(const TransitionJob& job, const EffectVariant& variant) {
  const ShapeReveal reveal = std::get<ShapeReveal>(variant);
  switch (reveal.shape) {
    case ShapeReveal::Circle: return circlePlan(job, reveal.opening);
    case ShapeReveal::Diamond: return diamondPlan(job, reveal.opening);
    case ShapeReveal::X: break;
  }
  return xPlan(job, reveal.opening);
}

}  // namespace pictavo
