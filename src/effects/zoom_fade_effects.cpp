#include "effects/zoom_fade_effects.h"

#include "effects/frame_handoff.h"

namespace pictavo {
namespace {

// Lays the previous picture over `frame` at the given opacity.
void layOver(MagickWand* frame, MagickWand* outgoing, double opacity) {
  MagickSetImageOpacity(outgoing, opacity);
  MagickCompositeImage(frame, outgoing, OverCompositeOp, 0, 0);
}

// Both zooms: frames 0..n, frame k enlarged by growthAt(k) pixels; the previous picture is
// laid over the first five frames at falling opacity (none for the first picture).
template <class Growth>
WandPtr renderZoom(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                   const EffectParams& params, int holdFrames, WandPtr previous, FrameSink* sink,
                   int* countOut, Growth growthAt) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  int step = params.step % 2 ? params.step + 1 : params.step;  // growth stays even
  int n = params.frames;
  float fadeLevel = 10.0f;
  auto compose = [&](int k) {
    fadeLevel -= 1.5f;
    double alpha = fadeLevel * 0.1;
    WandPtr frame = zoomFrame(W, H, picture, growthAt(k, step, n));
    if (alpha > 0.1 && previous) layOver(frame.get(), previous.get(), alpha);
    return frame;
  };
  for (int k = 0; k < n; ++k) {
    if (!out.frame([&] { return compose(k); })) return nullptr;
  }
  return out.finish([&] { return compose(n); }, std::move(previous));
}

}  // namespace

WandPtr renderZoomOut(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                      const EffectParams& params, int holdFrames, WandPtr previous,
                      FrameSink* sink, int* countOut) {
  return renderZoom(W, H, picture, caption, params, holdFrames, std::move(previous), sink,
                    countOut, [](int k, int step, int n) { return step * (n - k); });
}

WandPtr renderZoomIn(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                     const EffectParams& params, int holdFrames, WandPtr previous,
                     FrameSink* sink, int* countOut) {
  return renderZoom(W, H, picture, caption, params, holdFrames, std::move(previous), sink,
                    countOut, [](int k, int step, int) { return step * k; });
}

WandPtr renderFade(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                   const EffectParams& params, int holdFrames, WandPtr previous, FrameSink* sink,
                   int* countOut) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  int step = params.step;
  int level = 100 - step;  // percent of the previous picture in the next frame
  if (step < 1 || step > 20) {
    step = 6;
    level = 94;
  }
  WandPtr black;
  for (; level > 0; level -= step) {
    bool written = out.frame([&] {
      WandPtr frame = cloneWand(picture);
      MagickWand* outgoing = outgoingOrBlack(previous, black, W, H);
      if (level / 100.0 > 0.01) layOver(frame.get(), outgoing, level / 100.0);
      return frame;
    });
    if (!written) return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

}  // namespace pictavo
