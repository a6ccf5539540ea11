#include "effects/no_animation.h"

#include "effects/frame_handoff.h"

namespace pictavo {

WandPtr renderNoAnimation(const TransitionJob& job) {
  FrameHandOn& out = job.out;
  if (out.counting()) return nullptr;  // its frames are the hold alone
  const int holdFrames = out.holdFrames();
  CaptionOverlay* caption = out.caption();
  FrameSink* sink = out.sink();
  if (out.moving()) return out.cutToMoving(std::move(job.previous));
  WandPtr frame = cloneWand(job.picture);
  job.previous.reset();
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
