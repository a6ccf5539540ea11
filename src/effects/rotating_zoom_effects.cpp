#include "effects/rotating_zoom_effects.h"

#include <algorithm>

#include "effects/frame_handoff.h"

namespace pictavo {
namespace {

constexpr int kSizes = 19;            // transition frames: 1/20 .. 19/20 of the canvas
constexpr double kDegreesPerSize = 18;
constexpr double kOpacityStep = 0.05;

// The spinning picture at k twentieths of the canvas, opacity applied, turned by `angle`
// degrees (clockwise) with the corners the rotation adds left transparent.
WandPtr spunPiece(MagickWand* spinning, int W, int H, int k, double opacity, bool setOpacity,
                  double angle) {
  WandPtr piece = cloneWand(spinning);
  // At least one pixel, so that a canvas under 20 pixels still has a piece to turn.
  size_t width = static_cast<size_t>(std::max(k * (W / 20), 1));
  size_t height = static_cast<size_t>(std::max(k * (H / 20), 1));
  MagickResizeImage(piece.get(), width, height, LanczosFilter, 1.0);
  if (setOpacity) MagickSetImageOpacity(piece.get(), opacity);
  PixelPtr corners = makePixel("#FFFFFF");
  PixelSetAlpha(corners.get(), 0);
  MagickRotateImage(piece.get(), corners.get(), angle);
  return piece;
}

// grow: the incoming picture spins out of the middle over the outgoing one, fading in;
// otherwise the outgoing picture spins into the middle over the incoming one, fading out.
WandPtr renderSpin(bool grow, bool clockwise, int W, int H, MagickWand* picture,
                   CaptionOverlay* caption, int holdFrames, WandPtr previous, FrameSink* sink,
                   int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  WandPtr black;
  double opacity = grow ? kOpacityStep : 1.0;
  for (int frameNo = 1; frameNo <= kSizes; ++frameNo) {
    const int k = grow ? frameNo : kSizes + 1 - frameNo;
    opacity += grow ? kOpacityStep : -kOpacityStep;
    const bool setOpacity = grow ? opacity < 1 : opacity > 0;
    // The angle on screen advances by 18 degrees a frame in the named direction.
    const double angle = grow == clockwise ? kDegreesPerSize * k : 360 - kDegreesPerSize * k;
    if (!out.frame([&] {
          MagickWand* outgoing = outgoingOrBlack(previous, black, W, H);
          WandPtr frame = cloneWand(grow ? outgoing : picture);
          WandPtr piece = spunPiece(grow ? picture : outgoing, W, H, k, opacity, setOpacity, angle);
          ssize_t rw = static_cast<ssize_t>(MagickGetImageWidth(piece.get()));
          ssize_t rh = static_cast<ssize_t>(MagickGetImageHeight(piece.get()));
          MagickCompositeImage(frame.get(), piece.get(), OverCompositeOp, (W - rw) / 2,
                               (H - rh) / 2);
          return frame;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace

WandPtr renderSpinGrowClockwise(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                const EffectParams&, int holdFrames, WandPtr previous,
                                FrameSink* sink, int* countOut) {
  return renderSpin(true, true, W, H, picture, caption, holdFrames, std::move(previous), sink,
                    countOut);
}

WandPtr renderSpinGrowCounterClockwise(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                       const EffectParams&, int holdFrames, WandPtr previous,
                                       FrameSink* sink, int* countOut) {
  return renderSpin(true, false, W, H, picture, caption, holdFrames, std::move(previous), sink,
                    countOut);
}

WandPtr renderSpinShrinkClockwise(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                  const EffectParams&, int holdFrames, WandPtr previous,
                                  FrameSink* sink, int* countOut) {
  return renderSpin(false, true, W, H, picture, caption, holdFrames, std::move(previous), sink,
                    countOut);
}

WandPtr renderSpinShrinkCounterClockwise(int W, int H, MagickWand* picture,
                                         CaptionOverlay* caption, const EffectParams&,
                                         int holdFrames, WandPtr previous, FrameSink* sink,
                                         int* countOut) {
  return renderSpin(false, false, W, H, picture, caption, holdFrames, std::move(previous), sink,
                    countOut);
}

}  // namespace pictavo
