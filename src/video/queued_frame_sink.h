// The frame sink of generation. Frames are queued and written to the encoder's pipe by a
// thread of their own, so that composing the next picture's transition overlaps the
// encoder's work on the hold frames before it (a hold frame costs the encoder a whole
// decode but costs us nothing). A hold frame shares the bytes of the frame it repeats; the
// queue holds at most `maxFrames` distinct frames and `maxBytes` of them, so large frames
// (1080p and above) cannot pile up: a second of frames keeps the encoder busy anyway. Raw
// frames (3 MB at 1080p) fall under the same bounds, so only a few wait at a time, in
// buffers that are reused from frame to frame.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "effects/frame_sink.h"
#include "video/frame_buffer_pool.h"

namespace pictavo {

inline constexpr size_t kFrameQueueBytes = size_t{32} << 20;
inline constexpr size_t kFrameQueueFrames = 25;

// What ends a write to the pipe early: a cancel flag the writer watches, also while frames
// still queued are written after the last picture, and the longest time a write may make
// no progress (an encoder alive but no longer reading; 0: no limit).
struct FrameWriteLimits {
  const std::atomic<bool>* cancel = nullptr;
  int stallMs = 0;
};

class QueuedFrameSink : public FrameSink {
 public:
  // rawFrameBytes 0: JPEG frames; otherwise raw frames of exactly that length (a frame of
  // another length is refused, as it would shift every frame after it).
  explicit QueuedFrameSink(int fd, size_t maxBytes = kFrameQueueBytes,
                           size_t maxFrames = kFrameQueueFrames, FrameWriteLimits limits = {},
                           size_t rawFrameBytes = 0);
  // Drops what is not written yet.
  ~QueuedFrameSink() override;
  QueuedFrameSink(const QueuedFrameSink&) = delete;
  QueuedFrameSink& operator=(const QueuedFrameSink&) = delete;

  // False once a write to the pipe has failed (the encoder has gone).
  bool writeFrame(const unsigned char* bytes, size_t length) override;
  bool repeatFrame(const unsigned char* bytes, size_t length) override;
  bool rawFrames() const override { return rawFrameBytes_ != 0; }

  // Waits until every queued frame is written; false when a write failed, stalled or was
  // cancelled (the frames left are dropped).
  bool finish();
  // True once a write made no progress for the limit's stallMs.
  bool stalled() const;
  // Drops the frames not written yet and stops the writer.
  void abandon();

  long long framesWritten() const;

 private:
  struct Entry {
    std::shared_ptr<const std::string> bytes;
    bool counted;  // a distinct frame, counted against maxBytes
  };
  bool enqueue(std::shared_ptr<const std::string> bytes, bool counted);
  void writeLoop();
  void stop(bool drain);
  void dropQueue();  // with the lock held

  int fd_;
  size_t maxBytes_;
  size_t maxFrames_;
  FrameWriteLimits limits_;
  size_t rawFrameBytes_;
  // The queued frames' buffers: at most maxFrames queued, one being written, one held as
  // the frame a hold repeats.
  std::shared_ptr<FrameBufferPool> buffers_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Entry> queue_;
  size_t queuedBytes_ = 0;
  size_t queuedFrames_ = 0;  // distinct frames queued
  std::shared_ptr<const std::string> last_;
  bool failed_ = false;
  bool stalled_ = false;
  bool closing_ = false;
  bool dropping_ = false;
  long long written_ = 0;
  std::thread writer_;
};

}  // namespace pictavo
