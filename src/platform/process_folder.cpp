#include "platform/process_folder.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>

#include "util/paths.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

// The id in "PREFIX-PID", or -1 when the name is not of that form.
long ownerOf(const std::string& name, const std::string& prefix) {
  std::string head = prefix + "-";
  if (name.size() <= head.size() || name.compare(0, head.size(), head) != 0 ||
      name.size() - head.size() > 9)
    return -1;
  long pid = 0;
  for (size_t i = head.size(); i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return -1;
    pid = pid * 10 + (name[i] - '0');
  }
  return pid > 0 ? pid : -1;
}

bool processRuns(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

// Once per parent folder and prefix in a process's life.
bool firstVisit(const std::string& parentFs, const std::string& prefix) {
  static std::mutex mutex;
  static std::set<std::string> visited;
  std::lock_guard lock(mutex);
  return visited.insert(parentFs + '\n' + prefix).second;
}

}  // namespace

void removeStaleProcessFolders(const std::string& parentFs, const std::string& prefix) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(parentFs, ec)) {
    long pid = ownerOf(entry.path().filename().string(), prefix);
    if (pid < 0 || pid == ::getpid() || processRuns(pid)) continue;
    std::error_code ignored;
    if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
      std::filesystem::remove_all(entry.path(), ignored);
  }
}

std::unique_ptr<ProcessFolder> ProcessFolder::make(const std::string& parent,
                                                   const std::string& prefix, std::string* error) {
  auto parentFs = toFsName(parent);
  if (!parentFs) {
    if (error) *error = "the temporary folder's name cannot be converted";
    return nullptr;
  }
  if (firstVisit(*parentFs, prefix)) removeStaleProcessFolders(*parentFs, prefix);
  std::string name = strprintf("%s-%ld", prefix.c_str(), static_cast<long>(::getpid()));
  std::string fsPath = *parentFs + "/" + name;
  struct stat info {};
  if (::mkdir(fsPath.c_str(), 0700) != 0 &&
      (errno != EEXIST || ::lstat(fsPath.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))) {
    if (error) *error = strprintf("mkdir() failed with error %d (%s)", errno, std::strerror(errno));
    return nullptr;
  }
  return std::unique_ptr<ProcessFolder>(new ProcessFolder(name, joinPath(parent, name), fsPath));
}

ProcessFolder::~ProcessFolder() { ::rmdir(fsPath_.c_str()); }

}  // namespace pictavo
