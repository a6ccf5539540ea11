#include "video/queued_frame_sink.h"

#include <cstring>

#include "platform/fd_io.h"

namespace pictavo {

QueuedFrameSink::QueuedFrameSink(int fd, size_t maxBytes, size_t maxFrames,
                                 FrameWriteLimits limits, size_t rawFrameBytes)
    : fd_(fd),
      maxBytes_(maxBytes),
      maxFrames_(maxFrames),
      limits_(limits),
      rawFrameBytes_(rawFrameBytes),
      buffers_(FrameBufferPool::make(maxFrames + 2)) {
  ignoreBrokenPipeSignal();
  writer_ = std::thread([this] { writeLoop(); });
}

QueuedFrameSink::~QueuedFrameSink() { abandon(); }

bool QueuedFrameSink::writeFrame(const unsigned char* bytes, size_t length) {
  if (!bytes || length == 0 || (rawFrameBytes_ != 0 && length != rawFrameBytes_)) return false;
  return enqueue(buffers_->copy(bytes, length), true);
}

bool QueuedFrameSink::repeatFrame(const unsigned char* bytes, size_t length) {
  if (!bytes || length == 0) return false;
  std::shared_ptr<const std::string> last;
  {
    std::lock_guard lock(mutex_);
    last = last_;
  }
  if (last && last->size() == length && std::memcmp(last->data(), bytes, length) == 0)
    return enqueue(std::move(last), false);
  return writeFrame(bytes, length);
}

bool QueuedFrameSink::enqueue(std::shared_ptr<const std::string> bytes, bool counted) {
  std::unique_lock lock(mutex_);
  size_t size = counted ? bytes->size() : 0;
  changed_.wait(lock, [&] {
    bool room = queuedBytes_ + size <= maxBytes_ && (!counted || queuedFrames_ < maxFrames_);
    return failed_ || dropping_ || queue_.empty() || room;
  });
  if (failed_ || dropping_ || closing_) return false;
  queuedBytes_ += size;
  if (counted) ++queuedFrames_;
  last_ = bytes;
  queue_.push_back({std::move(bytes), counted});
  changed_.notify_all();
  return true;
}

void QueuedFrameSink::writeLoop() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [&] { return !queue_.empty() || closing_ || dropping_; });
    if (dropping_ || queue_.empty()) return;
    Entry entry = std::move(queue_.front());
    queue_.pop_front();
    if (entry.counted) {
      queuedBytes_ -= entry.bytes->size();
      --queuedFrames_;
    }
    changed_.notify_all();
    lock.unlock();
    FdWrite result = writeAllToFdWithin(fd_, entry.bytes->data(), entry.bytes->size(),
                                        limits_.stallMs, limits_.cancel);
    bool ok = result == FdWrite::Written;
    lock.lock();
    if (ok) {
      ++written_;
    } else {
      failed_ = true;
      stalled_ = result == FdWrite::Stalled;
      dropQueue();
    }
    changed_.notify_all();
    if (!ok) return;
  }
}

void QueuedFrameSink::dropQueue() {
  queue_.clear();
  queuedBytes_ = 0;
  queuedFrames_ = 0;
}

void QueuedFrameSink::stop(bool drain) {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
    if (!drain) {
      dropping_ = true;
      dropQueue();
    }
    changed_.notify_all();
  }
  if (writer_.joinable()) writer_.join();
}

bool QueuedFrameSink::finish() {
  stop(true);
  std::lock_guard lock(mutex_);
  return !failed_;
}

void QueuedFrameSink::abandon() { stop(false); }

bool QueuedFrameSink::stalled() const {
  std::lock_guard lock(mutex_);
  return stalled_;
}

long long QueuedFrameSink::framesWritten() const {
  std::lock_guard lock(mutex_);
  return written_;
}

}  // namespace pictavo
