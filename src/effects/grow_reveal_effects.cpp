#include "effects/grow_reveal_effects.h"

#include <algorithm>

#include "effects/canvas_ratio.h"
#include "effects/frame_handoff.h"
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

// The rectangle grows from `step` in steps of `step`, the last one shortened to end exactly
// at the full extent, which is the final frame. A step below one pixel counts as one, and one
// beyond the full extent as the full extent.
WandPtr renderGrowReveal(const GrowEffect& effect, int W, int H, MagickWand* picture,
                         CaptionOverlay* caption, int step, int holdFrames, WandPtr previous,
                         FrameSink* sink, int* countOut) {
  const int full = effect.along == Along::Width ? W : H;
  const int S = std::clamp(step, 1, std::max(full, 1));
  const double r = canvasRatio(W, H);
  FrameHandOn out(sink, countOut, caption, holdFrames);
  // The rectangles are drawn onto the outgoing picture itself: each frame adds to the last.
  SurfaceSet s(out, picture, previous, W, H);
  for (int d = S; d < full; d = std::min(d + S, full)) {
    bool handedOn = out.frameSurface([&] {
      drawRectangle(s.outgoing.get(), s.incoming.get(), effect.kind, effect.rect({W, H, r, d}));
      return s.outgoing.get();
    });
    if (!handedOn) return nullptr;
  }
  return finishOnPicture(out, s.incoming.get(), picture, std::move(previous));
}

}  // namespace

#define PICTAVO_GROW_REVEAL(name, kind, along, rect)                                        \
  WandPtr name(int W, int H, MagickWand* picture, CaptionOverlay* caption,                  \
               const EffectParams& params, int holdFrames, WandPtr previous, FrameSink* sink, \
               int* countOut) {                                                              \
    return renderGrowReveal({Kind::kind, Along::along, rect}, W, H, picture, caption,       \
                            params.step, holdFrames, std::move(previous), sink, countOut);  \
  }

PICTAVO_GROW_REVEAL(renderGrowFromTopLeft, Scale, Width, atTopLeft)
PICTAVO_GROW_REVEAL(renderRevealFromTopLeft, Cut, Width, atTopLeft)
PICTAVO_GROW_REVEAL(renderGrowFromBottomLeft, Scale, Width, atBottomLeft)
PICTAVO_GROW_REVEAL(renderRevealFromBottomLeft, Cut, Width, revealAtBottomLeft)
PICTAVO_GROW_REVEAL(renderGrowFromTopRight, Scale, Width, atTopRight)
PICTAVO_GROW_REVEAL(renderRevealFromTopRight, Cut, Width, atTopRight)
PICTAVO_GROW_REVEAL(renderGrowFromBottomRight, Scale, Width, atBottomRight)
PICTAVO_GROW_REVEAL(renderRevealFromBottomRight, Cut, Width, revealAtBottomRight)
PICTAVO_GROW_REVEAL(renderGrowFromLeftMiddle, Scale, Width, atLeftMiddle)
PICTAVO_GROW_REVEAL(renderGrowFromTopMiddle, Scale, Height, atTopMiddle)
PICTAVO_GROW_REVEAL(renderGrowFromRightMiddle, Scale, Width, atRightMiddle)
PICTAVO_GROW_REVEAL(renderGrowFromBottomMiddle, Scale, Height, atBottomMiddle)
PICTAVO_GROW_REVEAL(renderGrowFromCentre, Scale, Width, atCentre)
PICTAVO_GROW_REVEAL(renderRevealFromCentre, Cut, Width, atCentre)
PICTAVO_GROW_REVEAL(renderRevealToLeftAndRight, Cut, Width, columnAtCentre)
PICTAVO_GROW_REVEAL(renderRevealUpAndDown, Cut, Height, rowAtCentre)
PICTAVO_GROW_REVEAL(renderRevealLeftToRight, Cut, Width, columnAtLeft)
PICTAVO_GROW_REVEAL(renderRevealTopToBottom, Cut, Height, rowAtTop)
PICTAVO_GROW_REVEAL(renderRevealBottomToTop, Cut, Height, rowAtBottom)
PICTAVO_GROW_REVEAL(renderRevealRightToLeft, Cut, Width, columnAtRight)

}  // namespace pictavo
