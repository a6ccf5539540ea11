#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace pictavo {
namespace {

// Opens without following a link and without waiting for a FIFO's writer.
int openForLock(const std::string& fsName) {
  return ::open(fsName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

}  // namespace

FileLock::FileLock(const std::string& fsName) : fd_(openForLock(fsName)) {
  if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) release();
}

FileLock::~FileLock() { release(); }

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    release();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

void FileLock::release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool fileLockIsFree(const std::string& fsName) {
  int fd = openForLock(fsName);
  if (fd < 0) return false;
  struct stat st;
  bool free = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return free;
}

}  // namespace pictavo
