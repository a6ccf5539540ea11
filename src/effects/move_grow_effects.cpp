#include "effects/move_grow_effects.h"

#include "effects/canvas_ratio.h"
#include "effects/frame_handoff.h"
#include "effects/growing_canvas.h"

namespace pictavo {
namespace {

enum class Entry { Top, Bottom, Left, Right };

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

// The picture scaled to `units` units wide with the canvas proportions; null when that
// leaves nothing to show.
WandPtr scaledPicture(MagickWand* picture, const Layout& l, int units) {
  const long width = units * l.unit;
  const long height = wholePixels(width * l.r);
  if (width <= 0 || height <= 0) return nullptr;
  WandPtr scaled = cloneWand(picture);
  MagickResizeImage(scaled.get(), width, height, LanczosFilter, 1.0);
  return scaled;
}

void placeCentred(MagickWand* canvas, MagickWand* scaled, const Layout& l, int units) {
  const long width = units * l.unit;
  MagickCompositeImage(canvas, scaled, OverCompositeOp, (l.W - width) / 2,
                       wholePixels((l.H - width * l.r) * 0.5));
}

WandPtr renderMoveAndGrow(Entry entry, int W, int H, MagickWand* picture,
                          CaptionOverlay* caption, int holdFrames, WandPtr previous,
                          FrameSink* sink, int* countOut) {
  const Layout l(W, H);
  FrameHandOn out(sink, countOut, caption, holdFrames);
  // A canvas too narrow for a unit has nothing to move: the picture simply comes in.
  const int moveFrames = l.units >= 2 ? kMoveFrames : 0;

  // Move: each frame is a fresh copy of the outgoing picture, so the small one leaves no trail.
  WandPtr small;
  for (int k = 0; k < moveFrames; ++k) {
    bool handedOn = out.frame([&] {
      if (k == 0) small = scaledPicture(picture, l, 2);
      WandPtr frame = previous ? cloneWand(previous.get()) : newCanvas(W, H, "#000000");
      const Point at = smallPictureAt(entry, l, k);
      if (small) MagickCompositeImage(frame.get(), small.get(), OverCompositeOp, at.x, at.y);
      if (k == kMoveFrames - 1) small.reset();
      return frame;
    });
    if (!handedOn) return nullptr;
  }

  // Grow: drawn onto the outgoing picture itself (or one black canvas), j units wide.
  WandPtr canvas;
  for (int j = 2; j < l.units; ++j) {
    bool handedOn = out.frameInPlace([&] {
      MagickWand* target = growingCanvas(canvas, previous, W, H);
      if (WandPtr big = scaledPicture(picture, l, j)) placeCentred(target, big.get(), l, j);
      return target;
    });
    if (!handedOn) return nullptr;
  }

  return out.finish([&] { return paintFinalFrame(canvas, picture); }, std::move(previous));
}

}  // namespace

WandPtr renderMoveFromTopAndGrow(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                 const EffectParams&, int holdFrames, WandPtr previous,
                                 FrameSink* sink, int* countOut) {
  return renderMoveAndGrow(Entry::Top, W, H, picture, caption, holdFrames, std::move(previous),
                           sink, countOut);
}

WandPtr renderMoveFromBottomAndGrow(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                    const EffectParams&, int holdFrames, WandPtr previous,
                                    FrameSink* sink, int* countOut) {
  return renderMoveAndGrow(Entry::Bottom, W, H, picture, caption, holdFrames,
                           std::move(previous), sink, countOut);
}

WandPtr renderMoveFromLeftAndGrow(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                  const EffectParams&, int holdFrames, WandPtr previous,
                                  FrameSink* sink, int* countOut) {
  return renderMoveAndGrow(Entry::Left, W, H, picture, caption, holdFrames, std::move(previous),
                           sink, countOut);
}

WandPtr renderMoveFromRightAndGrow(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                   const EffectParams&, int holdFrames, WandPtr previous,
                                   FrameSink* sink, int* countOut) {
  return renderMoveAndGrow(Entry::Right, W, H, picture, caption, holdFrames,
                           std::move(previous), sink, countOut);
}

}  // namespace pictavo
