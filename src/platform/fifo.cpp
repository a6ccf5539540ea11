#include "platform/fifo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "util/text_format.h"

namespace pictavo {
namespace {

// A raw 720p frame is 1.4 MB and a 1080p one 3 MB: with the pipe's default 64 KB the
// writer and the encoder's reader take turns some 20 to 50 times a frame. The largest pipe
// an ordinary user may ask for (fs/pipe-max-size, 1 MB by default) cuts that to a few.
constexpr int kPipeBytes = 1 << 20;

std::string callFailed(const char* call, int error) {
  return strprintf("%s failed with error %d (%s)", call, error, std::strerror(error));
}

}  // namespace

std::unique_ptr<Fifo> Fifo::create(const std::string& fsPath, std::string* error, bool* exists) {
  if (exists) *exists = false;
  if (::mkfifo(fsPath.c_str(), 0600) != 0) {
    if (exists) *exists = errno == EEXIST;
    if (error) *error = callFailed("mkfifo()", errno);
    return nullptr;
  }
  return std::unique_ptr<Fifo>(new Fifo(fsPath));
}

Fifo::~Fifo() {
  closeWriteEnd();
  ::unlink(path_.c_str());
}

Fifo::OpenResult Fifo::openForWriting(const std::function<bool()>& giveUp, std::string* error) {
  while (true) {
    int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      int flags = ::fcntl(fd, F_GETFL);
      if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        if (error) *error = callFailed("fcntl()", errno);
        ::close(fd);
        return OpenResult::Failed;
      }
      ::fcntl(fd, F_SETPIPE_SZ, kPipeBytes);  // a smaller pipe still works, only slower
      fd_ = fd;
      return OpenResult::Opened;
    }
    if (errno != ENXIO && errno != EINTR) {
      if (error) *error = callFailed("open()", errno);
      return OpenResult::Failed;
    }
    if (giveUp && giveUp()) return OpenResult::GaveUp;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void Fifo::closeWriteEnd() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace pictavo
