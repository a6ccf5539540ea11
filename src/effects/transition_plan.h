// What an effect draws, told as data, and the one loop that plays it. A family says how many
// steps its effect takes, what step k draws and how that drawing becomes the frame; the
// driver runs the steps, stops at the first frame the sink refuses, counts the frames (in
// counting mode it only counts) and ends on the final frame with the hold.
#pragma once

#include <functional>
#include <vector>

#include "effects/frame_handoff.h"

namespace pictavo {

// How a step's drawing becomes the frame handed on.
enum class Layering {
  OntoOutgoing,  // drawn onto the outgoing picture itself, which is the frame: each frame
                 // adds to the last
  OverIncoming,  // drawn over a fresh copy of the incoming picture
  OverOutgoing,  // drawn over a fresh copy of the outgoing picture
  WholeFrame,    // the step draws every pixel of the frame itself
};

// Draws step k (0-based within its phase) onto `target` (the outgoing surface or the frame,
// as the layering says), from the job's surfaces.
using StepDraw = std::function<void(cairo_surface_t* target, SurfaceSet& s, int k)>;

// A run of steps drawn the same way, one frame each.
struct Phase {
  int steps;
  Layering layering;
  StepDraw draw;
};

// What the final frame shows.
enum class Ending {
  OnPicture,   // the incoming picture itself, handed on as the picture
  OnLastStep,  // one more step of the last phase, handed on as drawn
};

struct TransitionPlan {
  std::vector<Phase> phases;
  Ending ending = Ending::OnPicture;
};

// Draws the shape of size `size` (counted in steps) cut from `source` onto `target`.
using ShapeFill = std::function<void(cairo_surface_t* target, cairo_surface_t* source, int size)>;

// The plan shared by shapes that open and close: opening, the incoming picture's shape grows
// onto the outgoing one through sizes 1 .. steps, each frame adding to the last; closing, the
// outgoing picture's shape shrinks over the incoming one through sizes steps .. 1.
TransitionPlan openOrClose(int steps, bool opening, ShapeFill fill);

// Plays the plan: every step's frame, then the final frame and the hold. Returns the final
// frame, or null in counting mode and when a frame could not be handed on (with everything
// it held destroyed, previous included).
WandPtr playTransition(const TransitionJob& job, const TransitionPlan& plan);

// The number of whole multiples of `step` strictly inside `length` (at least 0): the frames of
// an effect whose extent moves by `step` a frame and whose final frame has the whole length.
inline int stepsInside(int length, int step) {
  const int inside = length / step - (length % step == 0 ? 1 : 0);
  return inside > 0 ? inside : 0;
}

}  // namespace pictavo
