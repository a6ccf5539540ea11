#include "net/error_report.h"

#include <ctime>
#include <mutex>

#include "net/http_client.h"
#include "net/service_config.h"
#include "net/service_paths.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/system_info.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

std::mutex gLogMutex;

// GBK text for the network: UTF-8, or the text as it is when it cannot be converted.
std::string forNetwork(const std::string& gbkText) { return gb18030ToUtf8(gbkText).value_or(gbkText); }

std::string timeStamp() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

// One entry, in UTF-8 so that it reads in any terminal or editor.
void appendToLog(const std::string& name, const std::string& text, const std::string& why) {
  std::string entry = timeStamp() + " " + utf8(name) + "\n" + utf8(text) + "\n";
  if (!why.empty()) entry += utf8(gbk("(发送失败: ") + why + ")") + "\n";
  entry += "\n";
  std::lock_guard lock(gLogMutex);
  makeFolders(programFolders().program);
  FilePtr log = openFile(errorLogPath(), "ab");
  if (log) std::fwrite(entry.data(), 1, entry.size(), log.get());
}

HttpResponse send(const std::string& address, const std::string& name, const std::string& text) {
  HttpRequest request;
  request.url = address;
  request.postBody = "os=" + urlEncode(systemVersion()) + "&name=" + urlEncode(forNetwork(name)) +
                     "&text=" + urlEncode(forNetwork(text)) +
                     strprintf("&v=%0.1f", kProgramVersion);
  return webRequest(request);
}

}  // namespace

std::string errorLogPath() { return joinPath(programFolders().program, "errors.log"); }

bool reportError(const std::string& name, const std::string& text) {
  std::string address = serviceAddress(serviceSettings(), kErrorReportPath);
  if (address.empty()) {
    appendToLog(name, text, "");
    return false;
  }
  HttpResponse response = send(address, name, text);
  if (!response.ok) appendToLog(name, text, response.error);
  return response.ok;
}

}  // namespace pictavo
