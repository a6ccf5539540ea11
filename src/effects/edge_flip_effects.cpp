#include "effects/edge_flip_effects.h"

#include <cmath>

#include "effects/frame_handoff.h"

namespace pictavo {
namespace {

enum class Hinge { Left, Right, Top, Bottom };

// 17 swinging frames, then the picture in place.
constexpr int kSwingFrames = 17;
constexpr double kSteps = 18.0;
// The far edge starts 2.3 times shorter than the hinge, an eighth of the canvas away from it.
constexpr double kShortening = 2.3;
constexpr double kStartDistance = 0.125;

// The perspective control points (source x, y, destination x, y, four times) of one step and
// where the distorted picture goes: bestfit puts its top-left one pixel above and left of the
// trapezoid's bounding box, so the offsets carry that pixel.
struct FlipStep {
  double points[16];
  ssize_t x, y;
};

// The far edge's two ends across the hinge direction, growing from 1/2.3 of `extent` to all
// of it around the integer middle.
void farEdgeEnds(double extent, int step, double* low, double* high) {
  const double middle = static_cast<int>(extent) / 2;
  const double shortHalf = (extent / kShortening) * 0.5;
  const double grown = step * ((extent - extent / kShortening) * 0.5 / kSteps);
  *low = (middle - shortHalf) - grown;
  *high = middle + shortHalf + grown;
}

FlipStep flipStep(Hinge hinge, int canvasWidth, int canvasHeight, int i) {
  const double W = canvasWidth, H = canvasHeight;
  double a, b;  // far-edge ends: top and bottom (left/right hinge) or left and right
  switch (hinge) {
    case Hinge::Left: {
      farEdgeEnds(H, i, &a, &b);
      const double xr = W * kStartDistance + i * ((W - W * kStartDistance) / kSteps);
      return {{0, 0, 0, 0, 0, H, 0, H, W, 0, xr, a, W, H, xr, b}, -1, -1};
    }
    case Hinge::Right: {
      farEdgeEnds(H, i, &a, &b);
      const double reach = W - W * kStartDistance;
      const double xl = std::trunc(reach - (reach / kSteps) * i);
      return {{0, 0, xl, a, 0, H, xl, b, W, H, W, H, W, 0, W, 0},
              static_cast<ssize_t>(std::trunc(xl - 1)), -1};
    }
    case Hinge::Top: {
      farEdgeEnds(W, i, &a, &b);
      const double yb = H * kStartDistance + i * ((H - H * kStartDistance) / kSteps);
      return {{0, 0, 0, 0, W, 0, W, 0, W, H, b, yb, 0, H, a, yb}, -1, -1};
    }
    case Hinge::Bottom:
      break;
  }
  farEdgeEnds(W, i, &a, &b);
  const double reach = H - H * kStartDistance;
  const double yt = std::trunc(reach - i * (reach / kSteps));
  return {{0, 0, a, yt, 0, H, 0, H, W, H, W, H, W, 0, b, yt},
          -1, static_cast<ssize_t>(std::trunc(yt - 1))};
}

// Draws the picture as the step's trapezoid onto the canvas; outside the trapezoid the
// transparent virtual pixels leave the canvas as it is.
void drawFlipStep(MagickWand* canvas, MagickWand* picture, const FlipStep& step) {
  WandPtr door = cloneWand(picture);
  MagickSetImageMatte(door.get(), MagickTrue);
  MagickSetImageVirtualPixelMethod(door.get(), TransparentVirtualPixelMethod);
  // Sample the picture by interpolation rather than the library's default elliptical filter:
  // the same trapezoid in a third of the time, which keeps a flip frame within the preview's
  // 40 ms at 1280 x 720; the difference does not show in a swing that lasts 0.7 s.
  GetImageFromMagickWand(door.get())->filter = PointFilter;
  MagickDistortImage(door.get(), PerspectiveDistortion, 16, step.points, MagickTrue);
  MagickCompositeImage(canvas, door.get(), OverCompositeOp, step.x, step.y);
}

// Every step draws onto the same canvas (previous, or black for the first picture): the
// trapezoid only grows, so the outgoing picture stays visible just outside it.
WandPtr renderEdgeFlip(Hinge hinge, int W, int H, MagickWand* picture, CaptionOverlay* caption,
                       int holdFrames, WandPtr previous, FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  WandPtr black;
  for (int i = 1; i <= kSwingFrames; ++i) {
    bool handedOn = out.frameInPlace([&] {
      MagickWand* canvas = outgoingOrBlack(previous, black, W, H);
      drawFlipStep(canvas, picture, flipStep(hinge, W, H, i));
      return canvas;
    });
    if (!handedOn) return nullptr;
  }
  black.reset();
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace

WandPtr renderFlipInAroundLeft(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                               const EffectParams&, int holdFrames, WandPtr previous,
                               FrameSink* sink, int* countOut) {
  return renderEdgeFlip(Hinge::Left, W, H, picture, caption, holdFrames, std::move(previous),
                        sink, countOut);
}

WandPtr renderFlipInAroundRight(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                const EffectParams&, int holdFrames, WandPtr previous,
                                FrameSink* sink, int* countOut) {
  return renderEdgeFlip(Hinge::Right, W, H, picture, caption, holdFrames, std::move(previous),
                        sink, countOut);
}

WandPtr renderFlipInAroundTop(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                              const EffectParams&, int holdFrames, WandPtr previous,
                              FrameSink* sink, int* countOut) {
  return renderEdgeFlip(Hinge::Top, W, H, picture, caption, holdFrames, std::move(previous),
                        sink, countOut);
}

WandPtr renderFlipInAroundBottom(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                 const EffectParams&, int holdFrames, WandPtr previous,
                                 FrameSink* sink, int* countOut) {
  return renderEdgeFlip(Hinge::Bottom, W, H, picture, caption, holdFrames, std::move(previous),
                        sink, countOut);
}

}  // namespace pictavo
