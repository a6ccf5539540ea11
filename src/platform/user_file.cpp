#include "platform/user_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

constexpr const char* kNotRegularSource = translatable("这不是一个普通文件 (可能是设备或管道)，不能读取: %s");

// True when the path names something (symbolic links followed) that is not a regular file.
bool namesOtherThanRegularFile(std::string_view gbkPath) {
  auto fsName = toFsName(gbkPath);
  struct stat info {};
  return fsName && ::stat(fsName->c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

UserFileOpening refused(UserFileRefusal why, const char* text, std::string_view gbkPath) {
  UserFileOpening opening;
  opening.refusal = why;
  opening.error = localFormat(text, std::string(gbkPath).c_str());
  return opening;
}

// Without O_NONBLOCK, opening a FIFO waits for a writer; O_NOCTTY keeps a terminal device
// from becoming ours.
int openWithoutWaiting(const std::string& fsName) {
  int fd;
  do {
    fd = ::open(fsName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

UserFileOpening openUserFile(std::string_view gbkPath, uint64_t maxBytes) {
  auto fsName = toFsName(gbkPath);
  int fd = fsName ? openWithoutWaiting(*fsName) : -1;
  if (fd < 0) return refused(UserFileRefusal::CannotOpen, translatable("无法打开文件: %s"), gbkPath);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return refused(UserFileRefusal::NotRegular, kNotRegularSource, gbkPath);
  }
  if (static_cast<uint64_t>(info.st_size) > maxBytes) {
    ::close(fd);
    return refused(UserFileRefusal::TooLarge, translatable("文件太大，不能读取: %s"), gbkPath);
  }
  // A regular file never blocks; the flag only mattered for the open itself.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  UserFileOpening opening;
  opening.file.reset(::fdopen(fd, "rb"));
  if (!opening.file) {
    ::close(fd);
    return refused(UserFileRefusal::CannotOpen, translatable("无法打开文件: %s"), gbkPath);
  }
  opening.size = static_cast<uint64_t>(info.st_size);
  return opening;
}

std::optional<std::string> readUserFile(std::string_view gbkPath, uint64_t maxBytes,
                                        std::string* error) {
  UserFileOpening opening = openUserFile(gbkPath, maxBytes);
  if (!opening.file) {
    if (error) *error = opening.error;
    return std::nullopt;
  }
  std::string data;
  data.reserve(opening.size);
  char buffer[65536];
  size_t n;
  // A file that grows while it is read stops at the limit rather than at its end.
  while (data.size() <= maxBytes && (n = std::fread(buffer, 1, sizeof buffer, opening.file.get())) > 0)
    data.append(buffer, n);
  if (std::ferror(opening.file.get()) || data.size() > maxBytes) {
    if (error) *error = localFormat("读取文件时出错: %s", std::string(gbkPath).c_str());
    return std::nullopt;
  }
  return data;
}

std::string notRegularSourceMessage(std::string_view gbkPath) {
  if (!namesOtherThanRegularFile(gbkPath)) return "";
  return localFormat(kNotRegularSource, std::string(gbkPath).c_str());
}

std::string notRegularTargetMessage(std::string_view gbkPath) {
  if (!namesOtherThanRegularFile(gbkPath)) return "";
  return localFormat("这不是一个普通文件 (可能是文件夹、设备或管道)，不能写入: %s",
                     std::string(gbkPath).c_str());
}

}  // namespace pictavo
