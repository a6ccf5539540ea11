// A folder locked by another, still running process, as a window holds its work folder.
#pragma once

#include <sys/types.h>

#include <string>

namespace pictavo::test {

class HeldFolder {
 public:
  // Creates the folder (file-system name) and returns once a child process holds its lock.
  explicit HeldFolder(const std::string& fsPath);
  // Ends the child; its lock goes with it, the folder stays.
  ~HeldFolder();
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;

  bool held() const { return child_ > 0; }

 private:
  pid_t child_ = -1;
};

}  // namespace pictavo::test
