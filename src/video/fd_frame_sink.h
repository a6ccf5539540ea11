// The frame sink of video generation: every frame, hold frames included, goes out in full
// to a file descriptor (the encoder's pipe), so the encoder gets one JPEG per video frame.
#pragma once

#include "effects/frame_sink.h"

namespace pictavo {

class FdFrameSink : public FrameSink {
 public:
  explicit FdFrameSink(int fd);

  bool writeFrame(const unsigned char* bytes, size_t length) override;
  bool repeatFrame(const unsigned char* bytes, size_t length) override;

  long long framesWritten() const { return frames_; }

 private:
  int fd_;
  long long frames_ = 0;
};

}  // namespace pictavo
