#include "effects/door_effects.h"

#include <algorithm>

#include "effects/canvas_ratio.h"
#include "effects/frame_handoff.h"
#include "effects/picture_pieces.h"

namespace pictavo {
namespace {

// The doors' step: a thirtieth of the length across, made even.
int doorStep(int length) {
  int g = std::max(length / 30, 1);
  return g % 2 ? g + 1 : g;
}

// Both doors w wide (or high), cut from `source` next to the middle line, and laid at the
// edges: the left (top) door's inner part at the origin, the right (bottom) one's at the
// far edge.
void pasteDoors(MagickWand* target, MagickWand* source, bool sideways, int W, int H, int w) {
  const size_t across = static_cast<size_t>(w);
  if (sideways) {
    const int cx = W / 2, d = cx - w;
    pastePiece(target, source, {across, static_cast<size_t>(H), d, 0}, 0, 0);
    pastePiece(target, source, {across, static_cast<size_t>(H), cx, 0}, W - cx + d, 0);
  } else {
    const int cy = H / 2, d = cy - w;
    pastePiece(target, source, {static_cast<size_t>(W), across, 0, d}, 0, 0);
    pastePiece(target, source, {static_cast<size_t>(W), across, 0, cy}, 0, H - cy + d);
  }
}

WandPtr renderDoorsOpen(bool sideways, int W, int H, MagickWand* picture,
                        CaptionOverlay* caption, int holdFrames, WandPtr previous,
                        FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int length = sideways ? W : H;
  const int g = doorStep(length);
  const int widest = length / 2 / g - (length % (2 * g) == 0 ? 1 : 0);
  WandPtr black;
  for (int k = widest; k >= 1; --k) {
    if (!out.frame([&] {
          WandPtr frame = cloneWand(picture);
          pasteDoors(frame.get(), outgoingOrBlack(previous, black, W, H), sideways, W, H, k * g);
          return frame;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

WandPtr renderDoorsClose(bool sideways, int W, int H, MagickWand* picture,
                         CaptionOverlay* caption, int holdFrames, WandPtr previous,
                         FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int length = sideways ? W : H;
  const int g = doorStep(length);
  const int steps = length / 2 / g + (length % (2 * g) > 0 ? 1 : 0);
  WandPtr black, frame;
  for (int k = 1; k < steps; ++k) {
    if (!out.frameInPlace([&] {
          if (!frame) frame = cloneWand(outgoingOrBlack(previous, black, W, H));
          pasteDoors(frame.get(), picture, sideways, W, H, k * g);
          return frame.get();
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

// The quarters' step: an odd step becomes even, upward below 3 and downward from 3.
int quarterStep(int step) {
  step = std::max(step, 1);
  if (step % 2 == 0) return step;
  return step < 3 ? step + 1 : step - 1;
}

// The four pieces w wide cut from `source` next to its centre and laid in the corners.
void pasteQuarters(MagickWand* target, MagickWand* source, int W, int H, int w, double ratio) {
  const int cx = W / 2, cy = H / 2;
  const double scaled = w * ratio;
  const size_t pieceW = static_cast<size_t>(w), pieceH = static_cast<size_t>(scaled);
  const ssize_t top = static_cast<ssize_t>(cy - scaled);
  const ssize_t bottom = static_cast<ssize_t>(H - scaled);
  pastePiece(target, source, {pieceW, pieceH, cx - w, top}, 0, 0);
  pastePiece(target, source, {pieceW, pieceH, cx - w, cy}, 0, bottom);
  pastePiece(target, source, {pieceW, pieceH, cx, top}, W - cx + (cx - w), 0);
  pastePiece(target, source, {pieceW, pieceH, cx, cy}, W - w, bottom);
}

}  // namespace

WandPtr renderDoorsOpenSideways(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                const EffectParams&, int holdFrames, WandPtr previous,
                                FrameSink* sink, int* countOut) {
  return renderDoorsOpen(true, W, H, picture, caption, holdFrames, std::move(previous), sink,
                         countOut);
}

WandPtr renderDoorsOpenVertically(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                  const EffectParams&, int holdFrames, WandPtr previous,
                                  FrameSink* sink, int* countOut) {
  return renderDoorsOpen(false, W, H, picture, caption, holdFrames, std::move(previous), sink,
                         countOut);
}

WandPtr renderDoorsCloseSideways(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                 const EffectParams&, int holdFrames, WandPtr previous,
                                 FrameSink* sink, int* countOut) {
  return renderDoorsClose(true, W, H, picture, caption, holdFrames, std::move(previous), sink,
                          countOut);
}

WandPtr renderDoorsCloseVertically(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                   const EffectParams&, int holdFrames, WandPtr previous,
                                   FrameSink* sink, int* countOut) {
  return renderDoorsClose(false, W, H, picture, caption, holdFrames, std::move(previous), sink,
                          countOut);
}

WandPtr renderQuartersFlyIn(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                            const EffectParams& params, int holdFrames, WandPtr previous,
                            FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int s = quarterStep(params.step);
  const int steps = W / s / 2 + (W % (2 * s) > 0 ? 1 : 0);
  const double ratio = canvasRatio(W, H);
  WandPtr black, target;
  for (int k = 1; k < steps; ++k) {
    if (!out.frameInPlace([&] {
          if (!target) target = cloneWand(outgoingOrBlack(previous, black, W, H));
          pasteQuarters(target.get(), picture, W, H, s * k, ratio);
          return target.get();
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

WandPtr renderQuartersFlyOut(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                             const EffectParams& params, int holdFrames, WandPtr previous,
                             FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int s = quarterStep(params.step);
  const int widest = W / s / 2 - (W % (2 * s) == 0 ? 1 : 0);
  const double ratio = canvasRatio(W, H);
  WandPtr black;
  for (int g = widest; g >= 1; --g) {
    if (!out.frame([&] {
          WandPtr frame = cloneWand(picture);
          pasteQuarters(frame.get(), outgoingOrBlack(previous, black, W, H), W, H, s * g, ratio);
          return frame;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace pictavo
