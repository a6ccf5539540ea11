#include "platform/fd_io.h"

#include <cerrno>
#include <csignal>
#include <mutex>
#include <unistd.h>

namespace pictavo {

bool writeAllToFd(int fd, const void* data, size_t length) {
  const char* bytes = static_cast<const char*>(data);
  size_t done = 0;
  while (done < length) {
    ssize_t n = ::write(fd, bytes + done, length - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

void ignoreBrokenPipeSignal() {
  static std::once_flag once;
  std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

}  // namespace pictavo
