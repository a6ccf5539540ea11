// A frame sink for tests: keeps every frame it is handed (its bytes and whether it came as
// a new frame or a repeat), and can refuse from a chosen frame on, as a closed encoder pipe
// would.
#pragma once

#include <string>
#include <vector>

#include "effects/frame_sink.h"

namespace pictavo::test {

class RecordingSink : public FrameSink {
 public:
  struct Entry {
    std::string bytes;
    bool repeat;
  };

  // failFrom: the 0-based number of the first frame refused; -1 never refuses.
  explicit RecordingSink(int failFrom = -1, bool keepBytes = true)
      : failFrom_(failFrom), keepBytes_(keepBytes) {}

  bool writeFrame(const unsigned char* bytes, size_t length) override { return take(bytes, length, false); }
  bool repeatFrame(const unsigned char* bytes, size_t length) override { return take(bytes, length, true); }

  const std::vector<Entry>& entries() const { return entries_; }
  int count() const { return static_cast<int>(entries_.size()); }
  int attempts() const { return attempts_; }

  // The frame decoded (JPEG bytes into a wand).
  WandPtr decoded(int index) const;

 private:
  bool take(const unsigned char* bytes, size_t length, bool repeat);

  int failFrom_;
  bool keepBytes_;
  int attempts_ = 0;
  std::vector<Entry> entries_;
};

}  // namespace pictavo::test
