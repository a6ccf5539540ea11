#include "effects/rotating_zoom_effects.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "effects/transition_plan.h"
#include "imaging/lanczos_scale.h"
#include "imaging/turned_paint.h"

namespace pictavo {
namespace {

constexpr int kSizes = 19;            // transition frames: 1/20 .. 19/20 of the canvas
constexpr double kDegreesPerSize = 18;
constexpr double kOpacityStep = 0.05;

// One side of the box a w x h picture turned by `angle` degrees is laid out in: the side
// turned onto this axis (`along`) grown by an even number of pixels, about two past the
// rotated outline, so that the picture stays centred in it. `reach` is the outline's extent
// on the axis; a quarter turn adds nothing.
long turnedBoxSide(long along, double reach, bool quarterTurn) {
  if (quarterTurn) return along;
  return along + 2 * std::lround((reach - static_cast<double>(along)) / 2 + 1);
}

// Where the centre of the turned picture lands on a canvas `canvas` pixels long: its box,
// `side` long, is laid at (canvas - side) / 2, truncated toward zero, and the picture sits
// in the middle of the box.
double turnedCentre(int canvas, long side) {
  return static_cast<double>((canvas - side) / 2) + static_cast<double>(side) / 2;
}

// Draws `piece` (w x h) turned clockwise by `angle` degrees at the given opacity over
// `frame`, placed as a picture turned by the image library lands when its box is centred
// on the W x H canvas.
void drawTurned(cairo_surface_t* frame, cairo_surface_t* piece, int W, int H, double angle,
                double opacity) {
  const int w = cairo_image_surface_get_width(piece), h = cairo_image_surface_get_height(piece);
  const double radians = angle * M_PI / 180;
  const double c = std::fabs(std::cos(radians)), s = std::fabs(std::sin(radians));
  const long turns = std::lround(angle / 90);
  const bool quarterTurn = std::fabs(angle - 90.0 * static_cast<double>(turns)) < 1e-9;
  // The turn is made of whole quarter turns and a rest within 45 degrees; an odd number of
  // quarter turns swaps the sides' axes.
  const bool swapped = turns % 2 != 0;
  const long across = turnedBoxSide(swapped ? h : w, w * c + h * s, quarterTurn);
  const long down = turnedBoxSide(swapped ? w : h, w * s + h * c, quarterTurn);
  paintTurned(frame, piece, turnedCentre(W, across), turnedCentre(H, down), radians, opacity);
}

// A side of the piece of size k (1..kSizes) on a canvas side `canvas` long: k twentieths of
// it, at least one pixel, so that a canvas under 20 pixels still has a piece to turn.
int pieceSide(int k, int canvas) { return std::max(k * (canvas / 20), 1); }

// The opacity of the spinning picture in frame `frameNo` (1-based): from 0.05 up (grow) or
// from 1 down by 0.05 a frame, summed frame by frame as the frames were always made.
double spinOpacity(bool grow, int frameNo) {
  double opacity = grow ? kOpacityStep : 1.0;
  for (int i = 1; i <= frameNo; ++i) opacity += grow ? kOpacityStep : -kOpacityStep;
  return opacity;
}

}  // namespace

// grow: the incoming picture spins out of the middle over the outgoing one, fading in;
// otherwise the outgoing picture spins into the middle over the incoming one, fading out.
TransitionPlan planSpin(const TransitionJob& job, const EffectVariant& variant) {
  // Named one by one: clang 14 does not let a lambda capture a structured binding.
  const Spin spin = std::get<Spin>(variant);
  const bool grow = spin.grow, clockwise = spin.clockwise;
  const int W = job.width, H = job.height;
  // The largest piece's memory, made once: every step's piece is drawn whole over its corner.
  auto pieces = std::make_shared<SurfacePtr>();
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int step) {
    const int frameNo = step + 1;
    const int k = grow ? frameNo : kSizes + 1 - frameNo;
    const double opacity = spinOpacity(grow, frameNo);
    const bool faded = grow ? opacity < 1 : opacity > 0;
    // The angle on screen advances by 18 degrees a frame in the named direction.
    const double angle = grow == clockwise ? kDegreesPerSize * k : 360 - kDegreesPerSize * k;
    const int w = pieceSide(k, W), h = pieceSide(k, H);
    if (!*pieces) *pieces = newSurface(pieceSide(kSizes, W), pieceSide(kSizes, H));
    SurfacePtr piece = surfaceOver(pieces->get(), w, h);
    drawLanczosScaled(piece.get(), grow ? s.incoming.get() : s.outgoing.get(), 0, 0, w, h);
    drawTurned(target, piece.get(), W, H, angle, faded ? opacity : 1.0);
  };
  return {{{kSizes, grow ? Layering::OverOutgoing : Layering::OverIncoming, std::move(draw)}}};
}

}  // namespace pictavo
