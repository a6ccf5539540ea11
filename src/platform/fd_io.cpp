#include "platform/fd_io.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <mutex>

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

FdWrite writeAllToFdWithin(int fd, const void* data, size_t length, int stallMs,
                           const std::atomic<bool>* cancel) {
  using Clock = std::chrono::steady_clock;
  constexpr int kCancelPollMs = 20;
  auto cancelled = [cancel] { return cancel && cancel->load(); };
  if (cancelled()) return FdWrite::Cancelled;
  // Without O_NONBLOCK a write larger than the free room would wait inside the kernel, where
  // neither the time limit nor the cancel flag can reach it.
  int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0) return FdWrite::Broken;
  bool madeNonBlocking = !(flags & O_NONBLOCK) && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
  const char* bytes = static_cast<const char*>(data);
  size_t done = 0;
  auto lastProgress = Clock::now();
  FdWrite result = FdWrite::Written;
  while (done < length) {
    ssize_t n = ::write(fd, bytes + done, length - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      lastProgress = Clock::now();
      continue;
    }
    if (n < 0 && errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) {
      result = FdWrite::Broken;
      break;
    }
    if (cancelled()) {
      result = FdWrite::Cancelled;
      break;
    }
    int waitMs = kCancelPollMs;
    if (stallMs > 0) {
      auto quiet = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastProgress);
      if (quiet.count() >= stallMs) {
        result = FdWrite::Stalled;
        break;
      }
      waitMs = std::min<int>(waitMs, stallMs - static_cast<int>(quiet.count()));
    }
    pollfd ready{fd, POLLOUT, 0};
    ::poll(&ready, 1, waitMs);  // POLLERR (reader gone) shows in the next write
  }
  if (madeNonBlocking) ::fcntl(fd, F_SETFL, flags);
  return result;
}

void ignoreBrokenPipeSignal() {
  static std::once_flag once;
  std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

}  // namespace pictavo
