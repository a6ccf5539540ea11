#include "effects/drag_slide_effects.h"

#include <algorithm>

#include "effects/frame_handoff.h"
#include "effects/picture_pieces.h"

namespace pictavo {
namespace {

// Where the moving picture goes.
enum class Movement { Right, Left, Down, Up };

bool isHorizontal(Movement m) { return m == Movement::Right || m == Movement::Left; }

// Toward the far edge (right, down) or back toward the origin (left, up).
bool isForward(Movement m) { return m == Movement::Right || m == Movement::Down; }

// One drag frame with the incoming picture h pixels in: the incoming picture's leading h
// columns (or rows) at the edge it enters from, the outgoing picture pushed h further. The
// outgoing picture is cropped in place when it leaves through the left or top edge.
void composeDrag(Movement m, MagickWand* frame, MagickWand* incoming, MagickWand* outgoing,
                 int W, int H, int h) {
  const size_t w = static_cast<size_t>(W), ht = static_cast<size_t>(h);
  switch (m) {
    case Movement::Right:
      pastePiece(frame, incoming, {ht, static_cast<size_t>(H), W - h, 0}, 0, 0);
      MagickCompositeImage(frame, outgoing, OverCompositeOp, h, 0);
      break;
    case Movement::Left:
      MagickCropImage(outgoing, static_cast<size_t>(W - h), static_cast<size_t>(H), h, 0);
      MagickCompositeImage(frame, outgoing, OverCompositeOp, 0, 0);
      pastePiece(frame, incoming, {ht, static_cast<size_t>(H), 0, 0}, W - h, 0);
      break;
    case Movement::Down:
      pastePiece(frame, incoming, {w, ht, 0, H - h}, 0, 0);
      MagickCompositeImage(frame, outgoing, OverCompositeOp, 0, h);
      break;
    case Movement::Up:
      // Width 0: the library keeps the full width.
      MagickCropImage(outgoing, 0, static_cast<size_t>(H - h), 0, h);
      MagickCompositeImage(frame, outgoing, OverCompositeOp, 0, 0);
      pastePiece(frame, incoming, {w, ht, 0, 0}, 0, H - h);
      break;
  }
}

WandPtr renderDrag(Movement m, int W, int H, MagickWand* picture, CaptionOverlay* caption,
                   const EffectParams& params, int holdFrames, WandPtr previous, FrameSink* sink,
                   int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int length = isHorizontal(m) ? W : H;
  const int step = std::max(params.step, 1);
  WandPtr black, frame;
  // The distance grows by step; the last step is shortened to end exactly at the length.
  for (int h = step; h < length; h = std::min(h + step, length)) {
    if (!out.frameInPlace([&] {
          // The two pictures cover the whole frame, so one canvas serves every frame.
          if (!frame) frame = newCanvas(W, H, "#000000");
          composeDrag(m, frame.get(), picture, outgoingOrBlack(previous, black, W, H), W, H, h);
          return frame.get();
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

// The slides' step: a seventeenth of the length, made even.
int slideStep(int length) {
  int g = std::max(length / 17, 1);
  return g % 2 ? g + 1 : g;
}

// The outgoing picture slides off, moved by the remainder of the length in the first frame
// and by one step more in every further frame.
WandPtr renderSlideOut(Movement m, int W, int H, MagickWand* picture, CaptionOverlay* caption,
                       int holdFrames, WandPtr previous, FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int length = isHorizontal(m) ? W : H;
  const int g = slideStep(length);
  const int n = length / g - (length % g == 0 ? 1 : 0);
  WandPtr black;
  for (int k = 1; k <= n; ++k) {
    const int moved = length - n * g + (k - 1) * g;
    const int offset = isForward(m) ? moved : -moved;
    if (!out.frame([&] {
          WandPtr frame = cloneWand(picture);
          MagickWand* outgoing = outgoingOrBlack(previous, black, W, H);
          MagickCompositeImage(frame.get(), outgoing, OverCompositeOp,
                               isHorizontal(m) ? offset : 0, isHorizontal(m) ? 0 : offset);
          return frame;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

// The incoming picture slides over the outgoing one, drawn onto it frame after frame.
WandPtr renderSlideIn(Movement m, int W, int H, MagickWand* picture, CaptionOverlay* caption,
                      int holdFrames, WandPtr previous, FrameSink* sink, int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  const int length = isHorizontal(m) ? W : H;
  const int g = slideStep(length);
  const int n = length / g + (length % g > 0 ? 1 : 0);
  WandPtr black;
  for (int k = 1; k < n; ++k) {
    const int behind = k * g - length;  // how far the picture still is from its place
    const int offset = isForward(m) ? behind : -behind;
    if (!out.frameInPlace([&] {
          MagickWand* target = outgoingOrBlack(previous, black, W, H);
          MagickCompositeImage(target, picture, OverCompositeOp, isHorizontal(m) ? offset : 0,
                               isHorizontal(m) ? 0 : offset);
          return target;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace

WandPtr renderDragRight(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                        const EffectParams& params, int holdFrames, WandPtr previous,
                        FrameSink* sink, int* countOut) {
  return renderDrag(Movement::Right, W, H, picture, caption, params, holdFrames,
                    std::move(previous), sink, countOut);
}

WandPtr renderDragLeft(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                       const EffectParams& params, int holdFrames, WandPtr previous,
                       FrameSink* sink, int* countOut) {
  return renderDrag(Movement::Left, W, H, picture, caption, params, holdFrames,
                    std::move(previous), sink, countOut);
}

WandPtr renderDragDown(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                       const EffectParams& params, int holdFrames, WandPtr previous,
                       FrameSink* sink, int* countOut) {
  return renderDrag(Movement::Down, W, H, picture, caption, params, holdFrames,
                    std::move(previous), sink, countOut);
}

WandPtr renderDragUp(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                     const EffectParams& params, int holdFrames, WandPtr previous,
                     FrameSink* sink, int* countOut) {
  return renderDrag(Movement::Up, W, H, picture, caption, params, holdFrames, std::move(previous),
                    sink, countOut);
}

WandPtr renderSlideOutRight(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                            const EffectParams&, int holdFrames, WandPtr previous,
                            FrameSink* sink, int* countOut) {
  return renderSlideOut(Movement::Right, W, H, picture, caption, holdFrames, std::move(previous),
                        sink, countOut);
}

WandPtr renderSlideOutLeft(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                           const EffectParams&, int holdFrames, WandPtr previous,
                           FrameSink* sink, int* countOut) {
  return renderSlideOut(Movement::Left, W, H, picture, caption, holdFrames, std::move(previous),
                        sink, countOut);
}

WandPtr renderSlideOutDown(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                           const EffectParams&, int holdFrames, WandPtr previous,
                           FrameSink* sink, int* countOut) {
  return renderSlideOut(Movement::Down, W, H, picture, caption, holdFrames, std::move(previous),
                        sink, countOut);
}

WandPtr renderSlideOutUp(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                         const EffectParams&, int holdFrames, WandPtr previous, FrameSink* sink,
                         int* countOut) {
  return renderSlideOut(Movement::Up, W, H, picture, caption, holdFrames, std::move(previous),
                        sink, countOut);
}

WandPtr renderSlideInRight(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                           const EffectParams&, int holdFrames, WandPtr previous,
                           FrameSink* sink, int* countOut) {
  return renderSlideIn(Movement::Right, W, H, picture, caption, holdFrames, std::move(previous),
                       sink, countOut);
}

WandPtr renderSlideInLeft(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                          const EffectParams&, int holdFrames, WandPtr previous,
                          FrameSink* sink, int* countOut) {
  return renderSlideIn(Movement::Left, W, H, picture, caption, holdFrames, std::move(previous),
                       sink, countOut);
}

WandPtr renderSlideInDown(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                          const EffectParams&, int holdFrames, WandPtr previous,
                          FrameSink* sink, int* countOut) {
  return renderSlideIn(Movement::Down, W, H, picture, caption, holdFrames, std::move(previous),
                       sink, countOut);
}

WandPtr renderSlideInUp(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                        const EffectParams&, int holdFrames, WandPtr previous, FrameSink* sink,
                        int* countOut) {
  return renderSlideIn(Movement::Up, W, H, picture, caption, holdFrames, std::move(previous),
                       sink, countOut);
}

}  // namespace pictavo
