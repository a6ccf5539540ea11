// Reusable frame buffers. A raw frame is several megabytes (3 MB at 1080p); allocated anew for
// each frame, such blocks make glibc's heap grow around them (it keeps freed blocks of that
// size rather than returning them), so a long run would hold far more memory than the few
// frames it has queued. A frame's buffer instead goes back to the pool when its last holder
// lets go, and the next frame is copied into it.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace pictavo {

class FrameBufferPool : public std::enable_shared_from_this<FrameBufferPool> {
 public:
  // A pool that keeps up to `spares` buffers between uses.
  static std::shared_ptr<FrameBufferPool> make(size_t spares);

  // The bytes in a buffer of the pool; it returns to the pool when the last copy of the
  // pointer goes, also after the pool's owner has gone.
  std::shared_ptr<const std::string> copy(const unsigned char* bytes, size_t length);

  size_t spareCount() const;

 private:
  explicit FrameBufferPool(size_t spares) : maxSpares_(spares) {}
  void giveBack(std::string* buffer);

  size_t maxSpares_;
  mutable std::mutex mutex_;
  std::vector<std::unique_ptr<std::string>> spares_;
};

}  // namespace pictavo
