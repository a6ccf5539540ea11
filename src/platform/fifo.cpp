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
