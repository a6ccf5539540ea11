#include "effects/uncover_steps.h"

#include "effects/frame_handoff.h"
#include "effects/pattern_fill.h"

namespace pictavo {

WandPtr renderUncoverSteps(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                           int holdFrames, WandPtr previous, FrameSink* sink, int* countOut,
                           StepPath path) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  WandPtr black;
  for (int i = 1; i < kUncoverSteps; ++i) {
    bool written = out.frameInPlace([&] {
      MagickWand* canvas = outgoingOrBlack(previous, black, W, H);
      fillPathWithPicture(canvas, picture, [&](DrawingWand* d) { path(d, W, H, i); });
      return canvas;
    });
    if (!written) return nullptr;
  }
  black.reset();
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace pictavo
