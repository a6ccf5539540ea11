// Checking what a transition shows: an effect rendered from a solid magenta previous frame
// (or from none, when black takes its place) to a coordinate picture, and sample points that
// must show the incoming picture (in place or scaled into a box) or the outgoing one.
#pragma once

#include <string>
#include <vector>

#include "effects/effect_table.h"
#include "effects/frame_handoff.h"
#include "support/recording_sink.h"
#include "support/test_files.h"

namespace pictavo::test {

struct Probe {
  int x, y;
  Rgb expect;  // ignored when showsOutgoing: magenta, or black for the first picture
  int tolerance;
  const char* what;
  bool showsOutgoing = false;
};

struct Box {
  int x, y, width, height;
};

// The outgoing picture: the magenta previous frame, or black when there is none.
Probe outgoingAt(int x, int y);
// The coordinate picture's own pixel.
Probe incomingAt(int x, int y);
// The coordinate picture's pixel (sx, sy) shown at (x, y), within `tolerance`.
Probe sourceAt(int x, int y, int sx, int sy, int tolerance = 20);

// Points 4 pixels inside the box (centre and corners) or 4 pixels outside the middle of
// each side (those on the canvas).
std::vector<Probe> incomingInside(const Box& box);
std::vector<Probe> outgoingInside(const Box& box);
// The whole canvasWidth x canvasHeight picture scaled into the box.
std::vector<Probe> scaledInside(const Box& box, int canvasWidth, int canvasHeight);
std::vector<Probe> outgoingOutside(const Box& box, int canvasWidth, int canvasHeight);
std::vector<Probe> incomingOutside(const Box& box, int canvasWidth, int canvasHeight);

std::vector<Probe> operator+(std::vector<Probe> a, const std::vector<Probe>& b);

// The frames of one effect, written in render mode with no hold, and its returned frame.
struct Transition {
  RecordingSink sink;
  WandPtr last;
};

// Effect `index` on a width x height canvas, from a magenta previous frame (or from none) to
// coordinatePicture(width, height).
Transition renderTransition(int index, int width, int height, bool firstPicture = false);

// Frame `frame` (0-based) of effect `index` must pass every probe.
struct FrameCheck {
  int index;
  int frame;
  std::vector<Probe> probes;
};

// Renders every effect of the checks on a width x height canvas twice, from a magenta
// previous frame and as the first picture, and checks: the probes of each listed frame; the
// last frame and the returned frame show only the incoming picture; the frames written are
// the counting-mode figure; every image the renderer made (a black canvas included) is gone
// once the returned frame is destroyed.
void expectTransitions(const std::vector<FrameCheck>& checks, int width, int height);

// A sink that refuses frame `failFrom` (in the transition or in the hold of `holdFrames`
// frames): the renderer must stop at once and return null with everything it held
// destroyed, previous included. Checked with and without a previous frame.
void expectCleanFailure(int index, int width, int height, int failFrom, int holdFrames);

// The counting-mode figure of an effect.
int countFrames(int index, int width, int height, int holdFrames);

}  // namespace pictavo::test
