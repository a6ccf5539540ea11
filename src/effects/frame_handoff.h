// Handing frames on and holding the final picture: the part of the renderer contract that
// every effect shares. FrameHandOn runs the same frame sequence in render and in counting
// mode, so the count can never drift from what rendering writes.
#pragma once

#include <utility>

#include "effects/effect_renderer.h"
#include "effects/frame_sink.h"
#include "imaging/argb_frame.h"
#include "imaging/caption.h"
#include "imaging/picture_view.h"

namespace pictavo {

// Destroys both wands and empties both slots; a wand held in both is destroyed once.
void destroyFramePair(WandPtr& first, WandPtr& second);

// The bytes of `frame` (JPEG or raw, as the sink wants them) with the caption composited
// at the given opacity step (the caption image's opacity becomes opacity + 0.2 unless it
// keeps its own transparency). The caption image keeps that opacity afterwards.
ImageBlob encodeCaptionedFrame(MagickWand* frame, CaptionOverlay* caption, double opacity,
                               FrameSink& sink);

// The hold phase after the final frame was written with `bytes`: holdFrames more frames,
// the first three fading the caption in at 0.35, 0.60 and 0.85, the rest repeating. On a
// failed write the final frame and previous are destroyed and false is returned.
bool holdFinalFrame(FrameSink& sink, ImageBlob bytes, int holdFrames, WandPtr& finalFrame,
                    CaptionOverlay* caption, WandPtr& previous);

class FrameHandOn {
 public:
  // Render mode: frames go to `sink`; the caption (or null) fades in over the hold. With a
  // moving view (borrowed; the effect's picture is its first frame) the hold shows the view's
  // frames up to its last one, which is handed on to the next picture.
  FrameHandOn(FrameSink& sink, CaptionOverlay* caption, int holdFrames,
              const PictureView* moving = nullptr)
      : sink_(&sink), caption_(caption), holdFrames_(holdFrames), moving_(moving) {}

  // Counting mode: nothing is composed or written, frames are only counted.
  static FrameHandOn forCounting(int holdFrames) {
    return FrameHandOn(nullptr, nullptr, holdFrames);
  }

  bool counting() const { return sink_ == nullptr; }

  // One transition frame composed at 8 bits: draw() returns the surface it drew (borrowed),
  // which goes out as JPEG (or raw) straight from its pixels.
  template <class Draw>
  bool frameSurface(Draw&& draw) {
    ++frames_;
    if (counting()) return true;
    return writeSurface(std::forward<Draw>(draw)());
  }

  // The final frame composed at 8 bits: draw() returns the surface showing it (borrowed),
  // keep(surface) the wand handed to the next picture. It is written, then held with the
  // caption fade; the wand is returned for the next picture, or null when a write failed.
  // In counting mode returns null. previous is destroyed.
  template <class Draw, class Keep>
  WandPtr finishSurface(Draw&& draw, Keep&& keep, WandPtr previous) {
    ++frames_;
    if (counting()) return nullptr;
    cairo_surface_t* shown = std::forward<Draw>(draw)();
    return holdBytes(encodeShown(shown), std::forward<Keep>(keep)(shown), std::move(previous));
  }

  // True when the picture moves over its stay (render mode only).
  bool moving() const { return moving_ && moving_->moves(); }

  // The whole stay of a moving picture that comes in without a transition: holdFrames frames
  // from the view's first frame to its last, the caption at its full strength on each.
  // Returns the last frame, or null when a write failed. previous is destroyed.
  WandPtr cutToMoving(WandPtr previous);

  // The frames handed on (or counted) so far plus the hold: once the effect has finished, all
  // the frames its picture takes.
  int frameCount() const { return frames_ + holdFrames_; }

  FrameSink* sink() const { return sink_; }
  CaptionOverlay* caption() const { return caption_; }
  int holdFrames() const { return holdFrames_; }

 private:
  bool writeSurface(cairo_surface_t* frame);
  ImageBlob encodeShown(cairo_surface_t* frame);
  WandPtr holdBytes(ImageBlob bytes, WandPtr finalFrame, WandPtr previous);
  WandPtr holdMoving(WandPtr finalFrame, WandPtr previous);
  // Frames i = 0 .. holdFrames - 1 of the view at moment (i + shift) / span, captioned
  // (when there is a caption) at opacity(i); the last one uncaptioned is returned.
  template <class Opacity>
  WandPtr writeMoving(int shift, int span, Opacity&& opacity, WandPtr& finalFrame, WandPtr& previous);

  FrameHandOn(FrameSink* sink, CaptionOverlay* caption, int holdFrames)
      : sink_(sink), caption_(caption), holdFrames_(holdFrames) {}

  FrameSink* sink_;  // null in counting mode
  CaptionOverlay* caption_;
  int holdFrames_;
  const PictureView* moving_ = nullptr;
  int frames_ = 0;
};

// The incoming picture, the outgoing one (black for the first picture) and a frame to
// compose on, at 8 bits; all empty in counting mode. In render mode the job's previous is
// destroyed once converted: the surface takes its place, and a full canvas less stays alive.
struct SurfaceSet {
  explicit SurfaceSet(const TransitionJob& job);
  SurfacePtr incoming, outgoing, frame;
};

// The common ending at 8 bits: the final frame is the picture itself, sent from its surface
// (`shown`, null in counting mode) and handed on as a copy of the job's picture.
WandPtr finishOnPicture(const TransitionJob& job, cairo_surface_t* shown);

// The outgoing picture at 8 bits: previous converted, or a black surface when there is none
// (the first picture).
SurfacePtr outgoingSurface(const WandPtr& previous, int width, int height);

}  // namespace pictavo
