#include "util/info_log.h"

#include <mutex>

namespace pictavo {
namespace {

std::mutex gLogMutex;
InfoSink gSink;
std::vector<std::string> gKept;

}  // namespace

void infoLog(const std::string& gbkText) {
  std::lock_guard lock(gLogMutex);
  if (gSink)
    gSink(gbkText);
  else
    gKept.push_back(gbkText);
}

void setInfoSink(InfoSink sink) {
  std::lock_guard lock(gLogMutex);
  gSink = std::move(sink);
  if (!gSink) return;
  for (const std::string& message : gKept) gSink(message);
  gKept.clear();
}

std::vector<std::string> takeKeptInfoMessages() {
  std::lock_guard lock(gLogMutex);
  std::vector<std::string> taken;
  taken.swap(gKept);
  return taken;
}

}  // namespace pictavo
