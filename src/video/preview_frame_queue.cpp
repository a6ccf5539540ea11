#include "video/preview_frame_queue.h"

namespace pictavo {

PreviewFrameQueue::PreviewFrameQueue(size_t capacity, size_t maxBytes)
    : capacity_(capacity ? capacity : 1), maxBytes_(maxBytes) {}

void PreviewFrameQueue::start() {
  std::lock_guard lock(mutex_);
  running_ = true;
  entries_.clear();
  bytes_ = 0;
}

void PreviewFrameQueue::stop() {
  {
    std::lock_guard lock(mutex_);
    running_ = false;
    entries_.clear();
    bytes_ = 0;
  }
  changed_.notify_all();
}

bool PreviewFrameQueue::running() const {
  std::lock_guard lock(mutex_);
  return running_;
}

bool PreviewFrameQueue::push(std::string bytes) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] {
    bool room = entries_.size() < capacity_ && bytes_ + bytes.size() <= maxBytes_;
    return !running_ || room || entries_.empty();
  });
  if (!running_) return false;
  bytes_ += bytes.size();
  entries_.push_back(std::move(bytes));
  lock.unlock();
  changed_.notify_all();
  return true;
}

std::optional<std::string> PreviewFrameQueue::pop(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  if (!changed_.wait_for(lock, timeout, [&] { return !running_ || !entries_.empty(); }) ||
      entries_.empty())
    return std::nullopt;
  std::string entry = std::move(entries_.front());
  entries_.pop_front();
  bytes_ -= entry.size();
  lock.unlock();
  changed_.notify_all();
  return entry;
}

size_t PreviewFrameQueue::size() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

size_t PreviewFrameQueue::bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

PreviewFrameSink::PreviewFrameSink(PreviewFrameQueue& queue, PreviewLogo logo)
    : queue_(queue), logo_(logo) {}

bool PreviewFrameSink::writeFrame(const unsigned char* bytes, size_t length) {
  repeatedSinceWrite_ = false;
  if (queue_.running() && bytes) queue_.push(std::string(reinterpret_cast<const char*>(bytes), length));
  return true;
}

bool PreviewFrameSink::repeatFrame(const unsigned char* bytes, size_t length) {
  if (!queue_.running()) return true;
  if (repeatedSinceWrite_ || !bytes) {
    queue_.push(std::string());
  } else {
    repeatedSinceWrite_ = true;
    queue_.push(std::string(reinterpret_cast<const char*>(bytes), length));
  }
  return true;
}

}  // namespace pictavo
