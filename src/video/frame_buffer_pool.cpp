#include "video/frame_buffer_pool.h"

namespace pictavo {

std::shared_ptr<FrameBufferPool> FrameBufferPool::make(size_t spares) {
  return std::shared_ptr<FrameBufferPool>(new FrameBufferPool(spares));
}

std::shared_ptr<const std::string> FrameBufferPool::copy(const unsigned char* bytes, size_t length) {
  std::unique_ptr<std::string> buffer;
  {
    std::lock_guard lock(mutex_);
    if (!spares_.empty()) {
      buffer = std::move(spares_.back());
      spares_.pop_back();
    }
  }
  if (!buffer) buffer = std::make_unique<std::string>();
  buffer->assign(reinterpret_cast<const char*>(bytes), length);  // keeps its capacity
  return std::shared_ptr<const std::string>(
      buffer.release(), [pool = shared_from_this()](const std::string* used) {
        pool->giveBack(const_cast<std::string*>(used));
      });
}

size_t FrameBufferPool::spareCount() const {
  std::lock_guard lock(mutex_);
  return spares_.size();
}

void FrameBufferPool::giveBack(std::string* buffer) {
  std::unique_ptr<std::string> owned(buffer);
  std::lock_guard lock(mutex_);
  if (spares_.size() < maxSpares_) spares_.push_back(std::move(owned));
}

}  // namespace pictavo
