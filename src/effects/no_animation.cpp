#include "effects/no_animation.h"

#include "effects/frame_handoff.h"

namespace pictavo {

WandPtr renderNoAnimation(int, int, MagickWand* picture, CaptionOverlay* caption,
                          const EffectParams&, int holdFrames, WandPtr previous, FrameSink* sink,
                          int* countOut) {
  if (countOut) {
    *countOut = holdFrames;
    return nullptr;
  }
  WandPtr frame = cloneWand(picture);
  previous.reset();
  if (holdFrames <= 0) return frame;  // the picture gets no frame of its own
  bool captioned = caption && caption->image;
  ImageBlob bytes = captioned ? encodeCaptionedFrame(frame.get(), caption, 0.65, *sink)
                              : encodeFor(*sink, frame.get());
  if (!sink->writeFrame(bytes.data(), bytes.length)) return nullptr;
  for (int i = 1; i < holdFrames; ++i) {
    if (!sink->repeatFrame(bytes.data(), bytes.length)) return nullptr;
  }
  return frame;
}

}  // namespace pictavo
