#include "support/held_folder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace pictavo::test {

HeldFolder::HeldFolder(const std::string& fsPath) {
  std::filesystem::create_directories(fsPath);
  int ready[2];
  if (::pipe(ready) != 0) return;
  pid_t child = ::fork();
  if (child == 0) {
    int fd = ::open(fsPath.c_str(), O_RDONLY | O_DIRECTORY);
    char locked = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 1 : 0;
    if (::write(ready[1], &locked, 1) != 1 || !locked) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  ::close(ready[1]);
  char locked = 0;
  if (child > 0 && ::read(ready[0], &locked, 1) == 1 && locked) child_ = child;
  ::close(ready[0]);
}

HeldFolder::~HeldFolder() {
  if (child_ <= 0) return;
  ::kill(child_, SIGKILL);
  ::waitpid(child_, nullptr, 0);
}

}  // namespace pictavo::test
