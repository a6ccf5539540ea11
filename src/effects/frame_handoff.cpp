#include "effects/frame_handoff.h"

#include <cmath>

#include "imaging/jpeg_frame.h"

namespace pictavo {
namespace {

bool send(FrameSink& sink, const ImageBlob& bytes, bool repeat) {
  return repeat ? sink.repeatFrame(bytes.data(), bytes.length)
                : sink.writeFrame(bytes.data(), bytes.length);
}

}  // namespace

void destroyFramePair(WandPtr& first, WandPtr& second) {
  if (first.get() == second.get()) second.release();
  first.reset();
  second.reset();
}

ImageBlob encodeCaptionedFrame(MagickWand* frame, CaptionOverlay* caption, double opacity,
                               FrameSink& sink) {
  WandPtr clone = cloneWand(frame);
  if (!caption->keepAlpha) MagickSetImageOpacity(caption->image.get(), opacity + 0.2);
  MagickCompositeImage(clone.get(), caption->image.get(), OverCompositeOp,
                       static_cast<ssize_t>(std::trunc(caption->x)),
                       static_cast<ssize_t>(std::trunc(caption->y)));
  return encodeFor(sink, clone.get());
}

bool holdFinalFrame(FrameSink& sink, ImageBlob bytes, int holdFrames, WandPtr& finalFrame,
                    CaptionOverlay* caption, WandPtr& previous) {
  for (int i = 0; i < holdFrames; ++i) {
    bool fading = caption && caption->image && i < 3;
    if (fading) bytes = encodeCaptionedFrame(finalFrame.get(), caption, 0.15 + 0.25 * i, sink);
    if (!send(sink, bytes, !fading)) {
      destroyFramePair(finalFrame, previous);
      return false;
    }
  }
  return true;
}

bool FrameHandOn::writeSurface(cairo_surface_t* frame) {
  ImageBlob bytes = encodeShown(frame);
  return sink_->writeFrame(bytes.data(), bytes.length);
}

ImageBlob FrameHandOn::encodeShown(cairo_surface_t* frame) {
  if (sink_->rawFrames()) return rawFromSurface(frame);
  return encodeSurface(frame, sink_->previewLogo());
}

WandPtr FrameHandOn::holdBytes(ImageBlob bytes, WandPtr finalFrame, WandPtr previous) {
  if (!sink_->writeFrame(bytes.data(), bytes.length)) return nullptr;
  if (!holdFinalFrame(*sink_, std::move(bytes), holdFrames_, finalFrame, caption_, previous))
    return nullptr;
  return finalFrame;
}

SurfaceSet::SurfaceSet(const TransitionJob& job) {
  if (job.out.counting()) return;
  incoming = surfaceFromWand(job.picture);
  outgoing = outgoingSurface(job.previous, job.width, job.height);
  job.previous.reset();
  frame = newSurface(job.width, job.height);
}

WandPtr finishOnPicture(const TransitionJob& job, cairo_surface_t* shown) {
  return job.out.finishSurface([&] { return shown; },
                               [&](cairo_surface_t*) { return cloneWand(job.picture); },
                               std::move(job.previous));
}

SurfacePtr outgoingSurface(const WandPtr& previous, int width, int height) {
  if (previous) return surfaceFromWand(previous.get());
  SurfacePtr black = newSurface(width, height);
  CairoPtr cr = drawOn(black.get());
  cairo_set_source_rgb(cr.get(), 0, 0, 0);
  cairo_paint(cr.get());
  return black;
}

}  // namespace pictavo
