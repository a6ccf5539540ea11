#include "platform/work_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <regex>

#include "platform/files.h"
#include "platform/folders.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

std::mutex gOwnMutex;
int gOwnFd = -1;           // the open folder whose flock is this process's claim
std::string gOwnFsFolder;  // its file-system name
std::string gOwnFolder;    // and its GBK name

bool isWorkFolderName(const std::string& name) {
  static const std::regex pattern("[0-9]+-[0-9]+(-[0-9]+)?");
  return std::regex_match(name, pattern);
}

int openFolder(const std::string& fsName) {
  return ::open(fsName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// A locked folder under a name that removeAbandonedWorkFolders does not look at, so that no
// other process can take it for abandoned before it is locked. -1 when it cannot be made.
int makeLockedFolder(const std::string& sharedFs, std::string* fsName) {
  std::string staging = sharedFs + "/.claim-XXXXXX";
  if (!::mkdtemp(staging.data())) return -1;
  int fd = openFolder(staging);
  if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    *fsName = staging;
    return fd;
  }
  if (fd >= 0) ::close(fd);
  ::rmdir(staging.c_str());
  return -1;
}

// Renames the locked folder to "<pid>-<seconds>" (with "-n" when a process of another pid
// namespace holds that name); the lock goes with it.
bool nameWorkFolder(const std::string& sharedFs, std::string* fsName) {
  std::string base = sharedFs + "/" + std::to_string(::getpid()) + "-" +
                     std::to_string(static_cast<long long>(std::time(nullptr)));
  for (int n = 0; n < 100; ++n) {
    std::string name = n == 0 ? base : base + "-" + std::to_string(n);
    if (::renameat2(AT_FDCWD, fsName->c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) {
      *fsName = name;
      return true;
    }
    if (errno != EEXIST) break;
  }
  return false;
}

}  // namespace

int removeAbandonedWorkFolders(const std::string& sharedFolder) {
  auto sharedFs = toFsName(sharedFolder);
  if (!sharedFs) return 0;
  int removed = 0;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(*sharedFs, ec)) {
    if (!isWorkFolderName(entry.path().filename().string())) continue;
    int fd = openFolder(entry.path().string());
    if (fd < 0) continue;
    // Free only when no process holds it: the owner's lock ends with the owner.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      std::error_code removeError;
      std::filesystem::remove_all(entry.path(), removeError);
      if (!removeError) ++removed;
    }
    ::close(fd);
  }
  return removed;
}

bool claimOwnWorkFolder(std::string* error) {
  std::lock_guard lock(gOwnMutex);
  if (gOwnFd >= 0) {
    useTemporaryFolder(gOwnFolder);
    return true;
  }
  const std::string shared = programFolders().sharedTemp;
  auto sharedFs = toFsName(shared);
  if (!sharedFs || !makeFolders(shared)) {
    if (error) *error = localFormat("无法创建文件夹: %s", shared.c_str());
    return false;
  }
  removeAbandonedWorkFolders(shared);
  std::string fsName;
  int fd = makeLockedFolder(*sharedFs, &fsName);
  if (fd >= 0 && !nameWorkFolder(*sharedFs, &fsName)) {
    int why = errno;
    ::rmdir(fsName.c_str());
    ::close(fd);
    fd = -1;
    errno = why;
  }
  if (fd < 0) {
    if (error) *error = localFormat("无法创建工作文件夹: %s (%s)", shared.c_str(), std::strerror(errno));
    return false;
  }
  gOwnFd = fd;
  gOwnFsFolder = fsName;
  gOwnFolder = joinPath(shared, fsName.substr(fsName.rfind('/') + 1));  // an ASCII name
  useTemporaryFolder(gOwnFolder);
  return true;
}

void releaseOwnWorkFolder() {
  std::lock_guard lock(gOwnMutex);
  if (gOwnFd < 0) return;
  std::error_code ec;
  std::filesystem::remove_all(gOwnFsFolder, ec);
  ::close(gOwnFd);
  gOwnFd = -1;
  gOwnFsFolder.clear();
  gOwnFolder.clear();
  useTemporaryFolder("");
}

}  // namespace pictavo
