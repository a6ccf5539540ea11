#include "video/fd_frame_sink.h"

#include "platform/fd_io.h"

namespace pictavo {

FdFrameSink::FdFrameSink(int fd) : fd_(fd) { ignoreBrokenPipeSignal(); }

bool FdFrameSink::writeFrame(const unsigned char* bytes, size_t length) {
  if (!bytes || length == 0 || !writeAllToFd(fd_, bytes, length)) return false;
  ++frames_;
  return true;
}

bool FdFrameSink::repeatFrame(const unsigned char* bytes, size_t length) {
  return writeFrame(bytes, length);
}

}  // namespace pictavo
