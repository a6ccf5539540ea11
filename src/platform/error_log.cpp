#include "platform/error_log.h"

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

void appendErrorLog(const std::string& name, const std::string& text,
                    const std::string& whyNotSent) {
  std::string entry = timeStamp() + " " + utf8(name) + "\n" + utf8(text) + "\n";
  if (!whyNotSent.empty()) entry += utf8(gbk("(发送失败: ") + whyNotSent + ")") + "\n";
  entry += "\n";
  std::lock_guard lock(gLogMutex);
  makeFolders(programFolders().program);
  FilePtr log = openFile(errorLogPath(), "ab");
  if (log) std::fwrite(entry.data(), 1, entry.size(), log.get());
}

void logErrorReport(const std::string& name, const std::string& text) {
  appendErrorLog(name, text);
}

}  // namespace pictavo
