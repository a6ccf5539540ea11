#include "platform/files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/user_file.h"
#include "util/paths.h"

namespace pictavo {
namespace {

bool statPath(std::string_view gbkPath, struct stat* st) {
  auto name = toFsName(gbkPath);
  return name && ::stat(name->c_str(), st) == 0;
}

bool writeAll(int fd, std::string_view data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// The permissions the replacement gets: those of the file it replaces, else the usual ones
// of a new file rather than mkstemp's 0600.
mode_t modeForReplacement(const std::string& target) {
  struct stat st;
  if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file a chain of symbolic links at `fsPath` ends in (itself when it is no link), also
// when that file does not exist yet; empty for a loop.
std::string followLinks(std::string fsPath) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(fsPath, ec)) return fsPath;
    std::filesystem::path target = std::filesystem::read_symlink(fsPath, ec);
    if (ec) return fsPath;
    if (target.is_relative()) target = std::filesystem::path(fsPath).parent_path() / target;
    fsPath = target.lexically_normal().string();
  }
  return std::string();
}

// Makes the rename itself durable; a folder that cannot be synced changes nothing.
void syncFolderOf(const std::string& target) {
  size_t cut = target.rfind('/');
  std::string folder = cut == std::string::npos ? "." : cut == 0 ? "/" : target.substr(0, cut);
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FilePtr openFile(std::string_view gbkPath, const char* mode) {
  bool update = std::strchr(mode, '+') != nullptr;
  if (mode[0] == 'r' && !update) return openUserFile(gbkPath).file;
  auto name = toFsName(gbkPath);
  if (!name) return nullptr;
  if (update) return FilePtr(std::fopen(name->c_str(), mode));
  // Without O_NONBLOCK, opening a FIFO for writing waits for a reader that may never come;
  // with it, such an open fails at once.
  int flags = O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  flags |= mode[0] == 'a' ? O_APPEND : O_TRUNC;
  int fd = ::open(name->c_str(), flags, 0666);
  if (fd < 0) return nullptr;
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FilePtr file(::fdopen(fd, mode));
  if (!file) ::close(fd);
  return file;
}

bool fileExists(std::string_view gbkPath) {
  struct stat st;
  return statPath(gbkPath, &st) && S_ISREG(st.st_mode);
}

bool folderExists(std::string_view gbkPath) {
  struct stat st;
  return statPath(gbkPath, &st) && S_ISDIR(st.st_mode);
}

std::optional<uint64_t> fileSize(std::string_view gbkPath) {
  struct stat st;
  if (!statPath(gbkPath, &st) || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(st.st_size);
}

std::optional<std::string> readWholeFile(std::string_view gbkPath) {
  return readUserFile(gbkPath);
}

bool writeWholeFile(std::string_view gbkPath, std::string_view data) {
  FilePtr f = openFile(gbkPath, "wb");
  if (!f) return false;
  bool ok = std::fwrite(data.data(), 1, data.size(), f.get()) == data.size();
  ok = std::fflush(f.get()) == 0 && ok;
  return ok;
}

bool replaceFileAtomically(std::string_view gbkPath, std::string_view data,
                           ReplaceFailure* failure) {
  ReplaceFailure ignored;
  ReplaceFailure& stage = failure ? *failure : ignored;
  stage = ReplaceFailure::NotCreated;
  auto named = toFsName(gbkPath);
  if (!named) return false;
  std::string target = followLinks(*named);
  if (target.empty()) return false;
  // Renaming over a FIFO or a device would put a file in its place (in /dev too, for root).
  struct stat st;
  if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return false;
  std::string temp = target + ".saving-XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  stage = ReplaceFailure::NotWritten;
  bool ok = writeAll(fd, data) && ::fchmod(fd, modeForReplacement(target)) == 0 &&
            ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  syncFolderOf(target);
  stage = ReplaceFailure::None;
  return true;
}

std::optional<ReplacementFile> createReplacementFile(std::string_view gbkTarget,
                                                     const std::string& suffix) {
  auto named = toFsName(gbkTarget);
  std::string target = named ? followLinks(*named) : std::string();
  if (target.empty()) {
    errno = EINVAL;
    return std::nullopt;
  }
  size_t cut = target.rfind('/');
  std::string folder = cut == std::string::npos ? "." : cut == 0 ? "" : target.substr(0, cut);
  std::string path = folder + "/.pictavo-XXXXXX" + suffix;
  int fd = ::mkstemps(path.data(), static_cast<int>(suffix.size()));
  if (fd < 0) return std::nullopt;
  bool ok = ::fchmod(fd, modeForReplacement(target)) == 0;
  ok = ::close(fd) == 0 && ok;
  auto gbkPath = fromFsName(path), gbkTargetPath = fromFsName(target);
  if (!ok || !gbkPath || !gbkTargetPath) {
    ::unlink(path.c_str());
    errno = EINVAL;
    return std::nullopt;
  }
  return ReplacementFile{*gbkPath, *gbkTargetPath};
}

bool copyFile(std::string_view fromGbk, std::string_view toGbk) {
  auto data = readWholeFile(fromGbk);
  return data && writeWholeFile(toGbk, *data);
}

bool removeFile(std::string_view gbkPath) {
  auto name = toFsName(gbkPath);
  return name && ::unlink(name->c_str()) == 0;
}

bool renameFile(std::string_view fromGbk, std::string_view toGbk) {
  auto from = toFsName(fromGbk);
  auto to = toFsName(toGbk);
  return from && to && ::rename(from->c_str(), to->c_str()) == 0;
}

bool makeFolders(std::string_view gbkPath) {
  auto name = toFsName(gbkPath);
  if (!name) return false;
  std::error_code ec;
  std::filesystem::create_directories(*name, ec);
  return std::filesystem::is_directory(*name, ec);
}

bool touchFile(std::string_view gbkPath) {
  auto name = toFsName(gbkPath);
  return name && ::utimensat(AT_FDCWD, name->c_str(), nullptr, 0) == 0;
}

}  // namespace pictavo
