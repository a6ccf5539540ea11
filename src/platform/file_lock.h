// Advisory locks (flock) that tell a file some process is still writing from one left behind
// by a process that ended abruptly: the system lets go of a process's locks when it ends,
// however it ends.
#pragma once

#include <string>

namespace pictavo {

// Holds an exclusive lock on a file (file-system name) for as long as it lives; holds nothing
// when the file cannot be opened or another holder has it locked.
class FileLock {
 public:
  FileLock() = default;
  explicit FileLock(const std::string& fsName);
  ~FileLock();
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;

  bool held() const { return fd_ >= 0; }

 private:
  void release();

  int fd_ = -1;
};

// True when `fsName` is a regular file (a link is not followed) that nobody holds locked.
bool fileLockIsFree(const std::string& fsName);

}  // namespace pictavo
