#include "effects/arrow_sweep_effects.h"

#include <cmath>
#include <utility>
#include <vector>

#include "effects/transition_plan.h"
#include "effects/uncover_steps.h"

namespace pictavo {
namespace {

// Canvas height over width, kept in single precision: the arrow keeps the canvas proportions.
float heightRatio(int W, int H) {
  return static_cast<float>(static_cast<double>(H) / static_cast<double>(W));
}

// A shape's corners in pixel-centre coordinates, in drawing order.
using Corners = std::vector<std::pair<double, double>>;

void moveTo(Corners* d, double x, double y) { d->emplace_back(x, y); }
void lineTo(Corners* d, double x, double y) { d->emplace_back(x, y); }

// Arrows: the tip advances a tenth of the width (height) per step; the base on the starting
// edge is as wide, relative to that edge, as the tip is far.
void arrowFromLeft(Corners* d, int W, int H, int i) {
  int reach = i * ((2 * W) / 20);
  double half = heightRatio(W, H) * reach * 0.5;
  int mid = H / 2;
  moveTo(d, 0, mid - half);
  lineTo(d, 0, mid + half);
  lineTo(d, reach, mid);
  lineTo(d, 0, mid - half);
}

void arrowFromRight(Corners* d, int W, int H, int i) {
  int reach = i * ((2 * W) / 20);
  double half = heightRatio(W, H) * reach * 0.5;
  int mid = H / 2;
  moveTo(d, W, mid - half);
  lineTo(d, W, mid + half);
  lineTo(d, W - reach, mid);
  lineTo(d, W, mid - half);
}

void arrowFromTop(Corners* d, int W, int H, int i) {
  int reach = i * ((2 * H) / 20);
  double half = (reach / heightRatio(W, H)) * 0.5;
  int mid = W / 2;
  moveTo(d, mid - half, 0);
  lineTo(d, mid + half, 0);
  lineTo(d, mid, reach);
  lineTo(d, mid - half, 0);
}

void arrowFromBottom(Corners* d, int W, int H, int i) {
  int reach = i * ((2 * H) / 20);
  double half = (reach / heightRatio(W, H)) * 0.5;
  int mid = W / 2;
  moveTo(d, mid - half, H);
  lineTo(d, mid + half, H);
  lineTo(d, mid, H - reach);
  lineTo(d, mid - half, H);
}

// Sweeps: steps 1 to 10 push a wedge's apex from the starting edge to the opposite edge;
// steps 11 to 19 widen its tip along that edge by a twentieth of the edge per step.
constexpr int kApexSteps = 10;

void sweepFromBottom(Corners* d, int W, int H, int i) {
  moveTo(d, 0, H);
  lineTo(d, W - 1, H);
  if (i <= kApexSteps) {
    lineTo(d, W / 2, H - i * ((2 * H) / 20));
  } else {
    int spread = (i - kApexSteps) * (W / 20);
    lineTo(d, W / 2 + spread, 0);
    lineTo(d, W / 2 - spread, 0);
  }
  lineTo(d, 0, H);
}

void sweepFromTop(Corners* d, int W, int H, int i) {
  moveTo(d, 0, 0);
  lineTo(d, W - 1, 0);
  if (i <= kApexSteps) {
    lineTo(d, W / 2, i * ((2 * H) / 20));
  } else {
    int spread = (i - kApexSteps) * (W / 20);
    lineTo(d, W / 2 + spread, H);
    lineTo(d, W / 2 - spread, H);
  }
  lineTo(d, 0, 0);
}

void sweepFromLeft(Corners* d, int W, int H, int i) {
  moveTo(d, 0, 0);
  lineTo(d, 0, H - 1);
  if (i <= kApexSteps) {
    lineTo(d, i * ((2 * W) / 20), H / 2);
  } else {
    int spread = (i - kApexSteps) * (H / 20);
    lineTo(d, W, H / 2 + spread);
    lineTo(d, W, H / 2 - spread);
  }
  lineTo(d, 0, 0);
}

void sweepFromRight(Corners* d, int W, int H, int i) {
  moveTo(d, W, 0);
  lineTo(d, W, H - 1);
  if (i <= kApexSteps) {
    lineTo(d, W - i * ((2 * W) / 20), H / 2);
  } else {
    int spread = (i - kApexSteps) * (H / 20);
    lineTo(d, 0, H / 2 + spread);
    lineTo(d, 0, H / 2 - spread);
  }
  lineTo(d, W, 0);
}

// Adds the convex polygon widened by half a pixel all round (its edges moved out by 0.5, its
// corners rounded with radius 0.5) to the path. Coordinates are those of the surface, where
// pixel i spans [i, i + 1). The image library's drawing covers a pixel fully when its centre
// lies inside or on the polygon and fades it over the next pixel outside; the widened
// shape, covered by area, gives the same.
void addWidenedPolygon(cairo_t* cr, Corners corners) {
  // Pixel centres sit half a pixel in from a pixel's corner.
  for (auto& [x, y] : corners) x += 0.5, y += 0.5;
  Corners c;
  for (const auto& p : corners)
    if (c.empty() || p != c.back()) c.push_back(p);
  while (c.size() > 1 && c.front() == c.back()) c.pop_back();
  const size_t n = c.size();
  if (n < 3) return;
  double area = 0;
  for (size_t k = 0; k < n; ++k) {
    const auto& [x1, y1] = c[k];
    const auto& [x2, y2] = c[(k + 1) % n];
    area += x1 * y2 - x2 * y1;
  }
  // With y pointing down, a positive area turns clockwise on screen: the outward normal of
  // an edge (dx, dy) is then (dy, -dx), and the corner arcs turn with rising angles.
  const double turn = area > 0 ? 1.0 : -1.0;
  auto normalAngle = [&](size_t k) {
    const auto& [x1, y1] = c[k];
    const auto& [x2, y2] = c[(k + 1) % n];
    return std::atan2(-(x2 - x1) * turn, (y2 - y1) * turn);
  };
  constexpr double r = 0.5;
  cairo_new_sub_path(cr);
  for (size_t k = 0; k < n; ++k) {
    const double from = normalAngle((k + n - 1) % n), to = normalAngle(k);
    const auto& [x, y] = c[k];
    if (turn > 0)
      cairo_arc(cr, x, y, r, from, to);
    else
      cairo_arc_negative(cr, x, y, r, from, to);
  }
  cairo_close_path(cr);
}

using ShapePath = void (*)(Corners* d, int W, int H, int i);

// The shape of step i (1..19), grown step by step, filled with the incoming picture onto the
// outgoing one (or black), each frame adding to the last; then the picture itself.
TransitionPlan shapeStepsPlan(const TransitionJob& job, ShapePath path) {
  const int W = job.width, H = job.height;
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    CairoPtr cr = drawOn(target);
    cairo_set_source_surface(cr.get(), s.incoming.get(), 0, 0);
    Corners corners;
    path(&corners, W, H, k + 1);
    addWidenedPolygon(cr.get(), std::move(corners));
    cairo_fill(cr.get());
  };
  return {{{kUncoverSteps - 1, Layering::OntoOutgoing, std::move(draw)}}};
}

// The path of each arrow and sweep.
ShapePath pathOf(ArrowSweep shape) {
  switch (shape) {
    case ArrowSweep::ArrowFromLeft: return arrowFromLeft;
    case ArrowSweep::ArrowFromRight: return arrowFromRight;
    case ArrowSweep::ArrowFromTop: return arrowFromTop;
    case ArrowSweep::ArrowFromBottom: return arrowFromBottom;
    case ArrowSweep::SweepFromBottom: return sweepFromBottom;
    case ArrowSweep::SweepFromTop: return sweepFromTop;
    case ArrowSweep::SweepFromLeft: return sweepFromLeft;
    case ArrowSweep::SweepFromRight: break;
  }
  return sweepFromRight;
}

}  // namespace

TransitionPlan planArrowSweep(const TransitionJob& job, const EffectVariant& variant) {
  return shapeStepsPlan(job, pathOf(std::get<ArrowSweep>(variant)));
}

}  // namespace pictavo
