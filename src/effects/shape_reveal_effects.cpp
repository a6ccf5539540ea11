#include "effects/shape_reveal_effects.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "effects/canvas_ratio.h"
#include "effects/convex_shape_fill.h"
#include "effects/frame_handoff.h"

namespace pictavo {
namespace {

// A step of at least one pixel, so that a canvas too small for its divisor still ends.
int positiveStep(int step) { return std::max(step, 1); }

// The circle centred on the canvas through the corner of the centred d-wide rectangle with
// the canvas's proportions (ratio = H / W), filled with `source` onto `target`.
void fillCircle(MagickWand* target, MagickWand* source, int width, int height, int d,
                double ratio) {
  const double cx = width / 2, cy = height / 2;
  const double radius = std::hypot(d / 2, d * ratio * 0.5);
  // Four quarter arcs: an arc over half the circle finds its centre through a square root
  // of almost nothing, where rounding errors would grow into the edge pixels.
  fillConvexShape(target, source, {circlePiece(cx, cy, radius)}, [&](WindowPath& path) {
    path.moveTo(cx + radius, cy);
    path.arcTo(radius, cx, cy + radius);
    path.arcTo(radius, cx - radius, cy);
    path.arcTo(radius, cx, cy - radius);
    path.arcTo(radius, cx + radius, cy);
  });
}

// The diamond with its corners on the centre lines: on a landscape canvas half-width h and
// half-height h x ratio, on a portrait one half-height h and half-width h / ratio.
void fillDiamond(MagickWand* target, MagickWand* source, int width, int height, int h,
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
  const ConvexPiece diamond = polygonPiece({std::begin(corners), std::end(corners)});
  fillConvexShape(target, source, {diamond}, [&](WindowPath& path) {
    path.moveTo(cx, top);
    path.lineTo(cx - halfWidth, cy);
    path.lineTo(cx, bottom);
    path.lineTo(cx + halfWidth, cy);
    path.lineTo(cx, top);
  });
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
void fillWedges(MagickWand* target, MagickWand* source, int width, int height, int a,
                double v, bool outer) {
  const std::array<Triangle, 4> triangles = wedges(width, height, a, v, outer);
  std::vector<ConvexPiece> pieces;
  for (const Triangle& t : triangles) pieces.push_back(polygonPiece({t.begin(), t.end()}));
  fillConvexShape(target, source, pieces, [&](WindowPath& path) {
    for (const Triangle& t : triangles) {
      path.moveTo(t[0].x, t[0].y);
      path.lineTo(t[1].x, t[1].y);
      path.lineTo(t[2].x, t[2].y);
      path.lineTo(t[0].x, t[0].y);
    }
  });
}

// The number of steps of `step` that cover `length`, a last partial step included.
int stepsToCover(int length, int step) { return length / step + (length % step > 0 ? 1 : 0); }

// The number of whole steps strictly inside `length`.
int stepsInside(int length, int step) { return length / step - (length % step == 0 ? 1 : 0); }

}  // namespace

WandPtr renderCircleOpen(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                         const EffectParams& params, int holdFrames, WandPtr previous,
                         FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int step = positiveStep(params.step);
  const double ratio = canvasRatio(W, H);
  WandPtr black;
  // The diameter grows by step; the last step is shortened to end exactly at the width.
  for (int d = step; d < W; d = std::min(d + step, W)) {
    if (!out.frameInPlace([&] {
          MagickWand* target = outgoingOrBlack(previous, black, W, H);
          fillCircle(target, picture, W, H, d, ratio);
          return target;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

WandPtr renderCircleClose(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                          const EffectParams& params, int holdFrames, WandPtr previous,
                          FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int step = positiveStep(params.step);
  const double ratio = static_cast<double>(H) / W;
  WandPtr black;
  for (int d = W - step; d > 0; d -= step) {
    if (!out.frame([&] {
          WandPtr frame = cloneWand(picture);
          fillCircle(frame.get(), outgoingOrBlack(previous, black, W, H), W, H, d, ratio);
          return frame;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

WandPtr renderDiamondOpen(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                          const EffectParams&, int holdFrames, WandPtr previous, FrameSink* sink,
                          int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int longSide = std::max(W, H);
  const int step = positiveStep(longSide / 16);
  const double ratio = canvasRatio(W, H);
  const int steps = stepsToCover(longSide, step);
  WandPtr black;
  for (int k = 1; k < steps; ++k) {
    if (!out.frameInPlace([&] {
          MagickWand* target = outgoingOrBlack(previous, black, W, H);
          fillDiamond(target, picture, W, H, step * k, ratio);
          return target;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

WandPtr renderDiamondClose(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                           const EffectParams&, int holdFrames, WandPtr previous,
                           FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int longSide = std::max(W, H);
  const int step = positiveStep(longSide / 16);
  const double ratio = canvasRatio(W, H);
  WandPtr black;
  for (int g = stepsInside(longSide, step); g >= 1; --g) {
    if (!out.frame([&] {
          WandPtr frame = cloneWand(picture);
          fillDiamond(frame.get(), outgoingOrBlack(previous, black, W, H), W, H, step * g, ratio);
          return frame;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

WandPtr renderXOpen(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                    const EffectParams& params, int holdFrames, WandPtr previous,
                    FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int step = positiveStep(params.step);
  const double ratio = canvasRatio(W, H);
  const int steps = stepsToCover(W / 2, step);
  WandPtr black;
  for (int k = 1; k < steps; ++k) {
    const int a = step * k;
    if (!out.frame([&] {
          WandPtr frame = cloneWand(picture);
          fillWedges(frame.get(), outgoingOrBlack(previous, black, W, H), W, H, a, a * ratio,
                     /*outer=*/true);
          return frame;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

WandPtr renderXClose(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                     const EffectParams& params, int holdFrames, WandPtr previous,
                     FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int step = positiveStep(params.step);
  const double ratio = canvasRatio(W, H);
  const int steps = stepsToCover(W / 2, step);
  WandPtr black;
  for (int k = 1; k < steps; ++k) {
    const int a = step * k;
    if (!out.frameInPlace([&] {
          MagickWand* target = outgoingOrBlack(previous, black, W, H);
          fillWedges(target, picture, W, H, a, a * ratio, /*outer=*/false);
          return target;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace pictavo
