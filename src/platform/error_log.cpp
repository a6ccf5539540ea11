#include "platform/error_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <mutex>

#include "platform/files.h"
#include "platform/folders.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

std::mutex gLogMutex;

std::string timeStamp() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace

std::string errorLogPath() { return joinPath(programFolders().program, "errors.log"); }

int openErrorLogForAppend() {
  makeFolders(programFolders().program);
  auto path = toFsName(errorLogPath());
  if (!path) return -1;
  // O_NONBLOCK keeps the open itself from waiting on a FIFO for a reader.
  int fd = ::open(path->c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                  0644);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

void appendErrorLog(const std::string& name, const std::string& text,
                    const std::string& whyNotSent) {
  std::string entry = timeStamp() + " " + utf8(name) + "\n" + utf8(text) + "\n";
  if (!whyNotSent.empty()) entry += utf8(gbk("(发送失败: ") + whyNotSent + ")") + "\n";
  entry += "\n";
  std::lock_guard lock(gLogMutex);
  int fd = openErrorLogForAppend();
  if (fd < 0) return;
  FilePtr log(::fdopen(fd, "ab"));
  if (!log) {
    ::close(fd);
    return;
  }
  std::fwrite(entry.data(), 1, entry.size(), log.get());
}

void logErrorReport(const std::string& name, const std::string& text) {
  appendErrorLog(name, text);
}

}  // namespace pictavo
