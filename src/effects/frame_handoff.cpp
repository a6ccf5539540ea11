#include "effects/frame_handoff.h"

#include <algorithm>
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
  if (moving_ && moving_->moves() && holdFrames_ > 0)
    return holdMoving(std::move(finalFrame), std::move(previous));
  if (!holdFinalFrame(*sink_, std::move(bytes), holdFrames_, finalFrame, caption_, previous))
    return nullptr;
  return finalFrame;
}

template <class Opacity>
WandPtr FrameHandOn::writeMoving(int shift, int span, Opacity&& opacity, WandPtr& finalFrame,
                                 WandPtr& previous) {
  SurfacePtr frame = newSurface(moving_->width(), moving_->height());
  SurfacePtr caption;
  if (caption_ && caption_->image) caption = surfaceFromWand(caption_->image.get());
  for (int i = 0; i < holdFrames_; ++i) {
    moving_->drawAt(static_cast<double>(i + shift) / span, frame.get());
    if (caption) {
      CairoPtr cr = drawOn(frame.get());
      cairo_set_source_surface(cr.get(), caption.get(), std::trunc(caption_->x), std::trunc(caption_->y));
      cairo_paint_with_alpha(cr.get(), caption_->keepAlpha ? 1.0 : opacity(i));
    }
    ImageBlob bytes = encodeShown(frame.get());
    if (!sink_->writeFrame(bytes.data(), bytes.length)) {
      destroyFramePair(finalFrame, previous);
      return nullptr;
    }
  }
  if (caption) moving_->drawAt(1.0, frame.get());
  destroyFramePair(finalFrame, previous);
  return wandFromSurface(frame.get());
}

// Hold frame i of n shows the view at (i + 1) / n: the final transition frame is its start,
// the last hold frame its end, in equal steps. The caption fades in as over a still hold
// (0.35, 0.60, then 0.85) and is drawn on every frame, since every frame is new.
WandPtr FrameHandOn::holdMoving(WandPtr finalFrame, WandPtr previous) {
  return writeMoving(1, holdFrames_, [](int i) { return 0.35 + 0.25 * std::min(i, 2); },
                     finalFrame, previous);
}

WandPtr FrameHandOn::cutToMoving(WandPtr previous) {
  WandPtr none;
  if (holdFrames_ <= 0) return wandFromSurface(moving_->frameAt(0).get());
  // One frame shows where the view ends; more go from its start to its end.
  const int shift = holdFrames_ == 1 ? 1 : 0;
  const int span = holdFrames_ == 1 ? 1 : holdFrames_ - 1;
  return writeMoving(shift, span, [](int) { return 0.85; }, none, previous);
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
