// Where finished frames go: the encoder's pipe during generation, the preview's queue while
// previewing. Renderers hand every frame on through this interface.
#pragma once

#include <cstddef>

#include "imaging/image.h"
#include "imaging/raw_frame.h"

namespace pictavo {

class FrameSink {
 public:
  virtual ~FrameSink() = default;

  // A newly composed frame. False when the frame could not be delivered (the encoder has
  // gone, the run was cancelled); the renderer then stops at once.
  virtual bool writeFrame(const unsigned char* bytes, size_t length) = 0;

  // A hold frame repeating the bytes of the frame written just before.
  virtual bool repeatFrame(const unsigned char* bytes, size_t length) = 0;

  // The logo drawn onto every frame this sink receives (the preview's), or null.
  virtual const PreviewLogo* previewLogo() const { return nullptr; }

  // True when the sink takes raw frames (raw_frame.h) instead of JPEG.
  virtual bool rawFrames() const { return false; }
};

// The bytes of a frame as this sink wants them: JPEG (with its preview logo, if any) or raw.
inline ImageBlob encodeFor(FrameSink& sink, MagickWand* frame) {
  if (sink.rawFrames()) return rawFromWand(frame);
  return encodeFrame(frame, sink.previewLogo());
}

}  // namespace pictavo
