#include "net/picture_list_download.h"

#include <ctime>
#include <functional>
#include <random>
#include <thread>

#include "net/http_client.h"
#include "platform/files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

int randomFrom100To999() {
  thread_local std::mt19937 generator(
      static_cast<unsigned>(std::hash<std::thread::id>()(std::this_thread::get_id())));
  return std::uniform_int_distribution<int>(100, 999)(generator);
}

void downloadOne(const std::string& address, int i, int n, ImportSink& sink, ImportResult* result) {
  std::string path = newDownloadPath(sink.folder());
  HttpResponse response = webRequest(importRequest(address, sink));
  if (response.errorKind == kHttpCancelled) {
    result->cancelled = true;
    return;
  }
  if (!response.ok) {
    infoLog(localFormat("下载宝贝图片失败:\r\n%s\r\n返回的错误信息:\r\n%s\r\n", address.c_str(),
                        response.error.c_str()));
    return;
  }
  if (response.body.empty()) return;
  if (!writeWholeFile(path, response.body)) {
    removeFile(path);
    infoLog(localFormat("文件写入数据失败:\r\n%s\r\n可能是磁盘可用空间不足。", path.c_str()));
    return;
  }
  sink.status(importProgressText(i, n));
  if (sink.add(path))
    ++result->added;
  else
    removeFile(path);
}

}  // namespace

std::string importProgressText(int i, int n) {
  std::string text = localFormat("加载宝贝图片: %d / %d", i, n);
  int room = (84 - static_cast<int>(text.size())) * i / (n > 0 ? n : 1);
  text += ' ';
  if (room > 1) {
    for (int k = 0; k < room / 2; ++k) text += "\xA1\xAD";
  }
  return text;
}

std::string newDownloadPath(const std::string& folder) {
  // Drawn again while the name is taken; past 1000 tries (more than 900 pictures in one
  // second) a counter makes the name unique.
  for (int attempt = 0;; ++attempt) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char clock[16];
    std::strftime(clock, sizeof clock, "%H-%M-%S", &local);
    std::string name = attempt < 1000
                           ? strprintf("%s-%d.jpg", clock, randomFrom100To999())
                           : strprintf("%s-%d-%d.jpg", clock, randomFrom100To999(), attempt);
    std::string path = joinPath(folder, name);
    if (!fileExists(path)) return path;
  }
}

void downloadPictureList(const std::vector<std::string>& addresses, ImportSink& sink,
                         ImportResult* result) {
  int n = static_cast<int>(addresses.size());
  makeFolders(sink.folder());
  for (int i = 1; i <= n; ++i) {
    if (sink.cancelled()) {
      result->cancelled = true;
      return;
    }
    if (sink.full()) {
      result->notices.push_back(noticeMessage(sink.fullMessage()));
      return;
    }
    downloadOne(addresses[static_cast<size_t>(i - 1)], i, n, sink, result);
    if (result->cancelled) return;
  }
}

}  // namespace pictavo
