#include "effects/diagonal_effects.h"

#include <algorithm>
#include <cmath>

#include "effects/shape_point.h"
#include "effects/uncover_steps.h"
#include "effects/surface_shapes.h"
#include "effects/transition_plan.h"

namespace pictavo {
namespace {

// The corner triangle's legs at step i: a tenth of the longer side, times two, per step.
double cornerReach(int W, int H, int i) {
  int longer = std::max(W, H);
  return i * ((2 * longer) / 20);
}

// Adds the circular arc of radius r from the current point `from` to `to` that is no more
// than half the circle, turning clockwise on screen when `clockwise` (angles growing).
void arcTo(cairo_t* cr, ShapePoint from, ShapePoint to, double r, bool clockwise) {
  const double dx = to.x - from.x, dy = to.y - from.y, chord = std::hypot(dx, dy);
  if (chord == 0) return;
  const double half = std::min(chord / 2, r);
  const double rise = std::sqrt(r * r - half * half) / chord;
  // The centre lies beside the chord's middle, to the right of the way along it when the
  // arc turns clockwise and to the left otherwise.
  const double side = clockwise ? 1 : -1;
  const double cx = (from.x + to.x) / 2 - side * dy * rise;
  const double cy = (from.y + to.y) / 2 + side * dx * rise;
  const double a1 = std::atan2(from.y - cy, from.x - cx), a2 = std::atan2(to.y - cy, to.x - cx);
  if (clockwise)
    cairo_arc(cr, cx, cy, r, a1, a2);
  else
    cairo_arc_negative(cr, cx, cy, r, a1, a2);
}

// A corner wipe's path: the two edges of the corner c as bare lines (to a on the top or
// bottom edge, to b on the side edge), then the triangle cut off by the diagonal from the
// first to the second, closed by an arc of radius r back to the corner that bulges outside
// the canvas.
void cornerPath(cairo_t* cr, ShapePoint c, ShapePoint first, ShapePoint second, double r,
                bool clockwise) {
  cairo_move_to(cr, c.x, c.y);
  cairo_line_to(cr, first.x, first.y);
  cairo_move_to(cr, c.x, c.y);
  cairo_line_to(cr, second.x, second.y);
  cairo_move_to(cr, first.x, first.y);
  cairo_line_to(cr, second.x, second.y);
  arcTo(cr, second, c, r, clockwise);
  cairo_close_path(cr);
}

using CornerPath = void (*)(cairo_t* cr, int W, int H, double r);

void cornerFromTopLeft(cairo_t* cr, int, int, double r) {
  cornerPath(cr, {0, 0}, {r, 0}, {0, r}, r, true);
}

void cornerFromBottomLeft(cairo_t* cr, int, int H, double r) {
  const double h = H;
  cornerPath(cr, {0, h}, {0, h - r}, {r, h}, r, true);
}

void cornerFromTopRight(cairo_t* cr, int W, int, double r) {
  const double w = W;
  cornerPath(cr, {w, 0}, {w - r, 0}, {w, r}, r, false);
}

void cornerFromBottomRight(cairo_t* cr, int W, int H, double r) {
  const double w = W, h = H;
  cornerPath(cr, {w, h}, {w - r, h}, {w, h - r}, r, true);
}

// The corner wipe: the triangle of step i (1..19) of the incoming picture is drawn onto the
// outgoing picture (or black), every frame adding to the last; then the plain picture.
TransitionPlan cornerWipePlan(const TransitionJob& job, CornerPath path) {
  const int W = job.width, H = job.height;
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    fillPathFrom(target, s.incoming.get(),
                 [&](cairo_t* cr) { path(cr, W, H, cornerReach(W, H, k + 1)); });
  };
  return {{{kUncoverSteps - 1, Layering::OntoOutgoing, std::move(draw)}}};
}

// The two triangles of a scan: one on the top edge from the left corner to `top` with its
// tip at the bottom-left corner, one on the bottom edge from `bottom` to the right corner
// with its tip at the top-right corner.
void fillScanTriangles(cairo_surface_t* target, cairo_surface_t* source, int W, int H,
                       double top, double bottom) {
  fillPathFrom(target, source, [&](cairo_t* cr) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, top, 0);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    cairo_move_to(cr, W, 0);
    cairo_line_to(cr, W, H);
    cairo_line_to(cr, bottom, H);
    cairo_close_path(cr);
  });
}

// Scan in: the upper-left triangle widens along the top edge, the lower-right one along the
// bottom edge, a twentieth of the width per step, drawn onto the outgoing picture. Scan out:
// the outgoing picture's triangles narrow the same way over the incoming picture.
TransitionPlan scanPlan(const TransitionJob& job, bool scanIn) {
  const int W = job.width, H = job.height;
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    const double x = (k + 1) * (W / 20);
    if (scanIn)
      fillScanTriangles(target, s.incoming.get(), W, H, x, W - x);
    else
      fillScanTriangles(target, s.outgoing.get(), W, H, W - x, x);
  };
  return {{{kUncoverSteps - 1, scanIn ? Layering::OntoOutgoing : Layering::OverIncoming,
            std::move(draw)}}};
}

}  // namespace

TransitionPlan planDiagonal(const TransitionJob& job, const EffectVariant& variant) {
  switch (std::get<DiagonalWipe>(variant)) {
    case DiagonalWipe::FromTopLeft: return cornerWipePlan(job, cornerFromTopLeft);
    case DiagonalWipe::FromBottomLeft: return cornerWipePlan(job, cornerFromBottomLeft);
    case DiagonalWipe::FromTopRight: return cornerWipePlan(job, cornerFromTopRight);
    case DiagonalWipe::FromBottomRight: return cornerWipePlan(job, cornerFromBottomRight);
    case DiagonalWipe::ScanIn: return scanPlan(job, true);
    case DiagonalWipe::ScanOut: break;
  }
  return scanPlan(job, false);
}

}  // namespace pictavo
