// The preview's frame queue and its sink. The producer renders frames as generation would
// and queues their JPEG bytes; the display thread takes them at 25 frames per second. An
// entry without bytes means "keep showing the last picture", so a held picture is copied
// once. The queue holds a bounded number of entries and of bytes: a producer that runs ahead
// waits, so neither a long project nor large frames (1080p and above) fill memory.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

#include "effects/frame_sink.h"

namespace pictavo {

// About five seconds of 1080p frames: more than the first buffering gathers on a slow machine.
inline constexpr size_t kPreviewQueueBytes = size_t{64} << 20;

class PreviewFrameQueue {
 public:
  explicit PreviewFrameQueue(size_t capacity = 250, size_t maxBytes = kPreviewQueueBytes);

  // Starts accepting frames (the preview is running) / stops: waiting producers and
  // consumers wake up, and frames offered while stopped are dropped.
  void start();
  void stop();
  bool running() const;

  // Queues one entry (empty bytes: keep showing). Waits while the queue is full, by count or
  // by bytes (an entry larger than the whole bound waits for an empty queue). False when the
  // preview stopped meanwhile (the entry is dropped).
  bool push(std::string bytes);

  // The next entry, waiting up to `timeout`; nothing when none came or the queue stopped.
  std::optional<std::string> pop(std::chrono::milliseconds timeout);

  size_t size() const;
  size_t bytes() const;

 private:
  size_t capacity_;
  size_t maxBytes_;
  size_t bytes_ = 0;  // of the queued entries
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> entries_;
  bool running_ = false;
};

class PreviewFrameSink : public FrameSink {
 public:
  explicit PreviewFrameSink(PreviewFrameQueue& queue, PreviewLogo logo = {});

  // Both ignore their input unless the preview is running, and report success either way.
  bool writeFrame(const unsigned char* bytes, size_t length) override;
  bool repeatFrame(const unsigned char* bytes, size_t length) override;
  const PreviewLogo* previewLogo() const override { return logo_.image ? &logo_ : nullptr; }

 private:
  PreviewFrameQueue& queue_;
  PreviewLogo logo_;
  bool repeatedSinceWrite_ = false;
};

}  // namespace pictavo
