// What tells the effects of one family apart. Each family function switches on its own type:
// which of the family's motions to run, and from which side, corner or way round.
#pragma once

#include <variant>

namespace pictavo {

enum class ZoomFade { ZoomOut, ZoomIn, Fade };

enum class EdgeWipe {
  ShrinkingWindow,
  NarrowingBand,
  FlatteningBand,
  CornersGrowIn,
  CornersShrinkOut
};

enum class ClockHands {
  ClockwiseFromTwelve,
  CounterClockwiseFromTwelve,
  ClockwiseFromNine,
  CounterClockwiseFromNine,
  BothWaysFromTwelve,
  Windmill
};

// A circle, diamond or X that opens (grows from the middle) or closes (shrinks toward it).
struct ShapeReveal {
  enum Shape { Circle, Diamond, X } shape;
  bool opening;
};

// Where the moving picture goes.
enum class Movement { Right, Left, Down, Up };

struct Slide {
  enum Kind { Drag, SlideOut, SlideIn } kind;
  Movement movement;
};

// grow: the incoming picture spins out of the middle; otherwise the outgoing one spins away.
struct Spin {
  bool grow;
  bool clockwise;
};

enum class DoorMotion {
  OpenSideways,
  OpenVertically,
  CloseSideways,
  CloseVertically,
  QuartersFlyIn,
  QuartersFlyOut
};

// The way every strip opens.
enum class Opening { Rightward, Leftward, Downward, Upward };

// A staircase starts each strip a frame after the one before; blinds open them all at once.
struct Strips {
  enum Pace { Staircase, Blinds } pace;
  Opening opening;
};

enum class ArrowSweep {
  ArrowFromLeft,
  ArrowFromRight,
  ArrowFromTop,
  ArrowFromBottom,
  SweepFromBottom,
  SweepFromTop,
  SweepFromLeft,
  SweepFromRight
};

enum class DiagonalWipe {
  FromTopLeft,
  FromBottomLeft,
  FromTopRight,
  FromBottomRight,
  ScanIn,
  ScanOut
};

enum class Hinge { Left, Right, Top, Bottom };

enum class ShrinkToward {
  Middle,
  LeftAndRight,
  TopAndBottom,
  TopLeft,
  BottomLeft,
  TopRight,
  BottomRight
};

enum class Entry { Top, Bottom, Left, Right };

enum class GrowReveal {
  GrowFromTopLeft,
  RevealFromTopLeft,
  GrowFromBottomLeft,
  RevealFromBottomLeft,
  GrowFromTopRight,
  RevealFromTopRight,
  GrowFromBottomRight,
  RevealFromBottomRight,
  GrowFromLeftMiddle,
  GrowFromTopMiddle,
  GrowFromRightMiddle,
  GrowFromBottomMiddle,
  GrowFromCentre,
  RevealFromCentre,
  RevealToLeftAndRight,
  RevealUpAndDown,
  RevealLeftToRight,
  RevealTopToBottom,
  RevealBottomToTop,
  RevealRightToLeft
};

using EffectVariant =
    std::variant<ZoomFade, EdgeWipe, ClockHands, ShapeReveal, Slide, Spin, DoorMotion, Strips,
                 ArrowSweep, DiagonalWipe, Hinge, ShrinkToward, Entry, GrowReveal>;

}  // namespace pictavo
