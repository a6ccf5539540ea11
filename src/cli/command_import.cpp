// pictavo-cli import: the pictures of a marketplace product (or picture addresses) fetched
// by the configured loader into a folder.
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "net/product_import.h"
#include "net/remote_settings.h"
#include "net/socket_pool.h"
#include "platform/files.h"
#include "project/project_model.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/text_format.h"

namespace pictavo::cli {
namespace {

// Downloads go straight into a folder, up to the project's picture limit.
class FolderSink : public ImportSink {
 public:
  explicit FolderSink(std::string folder) : folder_(std::move(folder)) {}
  std::string folder() const override { return folder_; }
  bool full() const override { return static_cast<int>(files_.size()) >= kMaxPictures; }
  std::string fullMessage() const override {
    return strprintf(gbk("最多可以添加 %d 张图片").c_str(), kMaxPictures);
  }
  bool add(const std::string& path) override {
    files_.push_back(path);
    say(path);
    return true;
  }
  void status(const std::string& text) override { say(text); }

 private:
  std::string folder_;
  std::vector<std::string> files_;
};

std::string trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

int usageError() {
  complain(gbk("用法: pictavo-cli import [--type 0|1|2] --out 文件夹 宝贝地址或图片地址"));
  return 2;
}

}  // namespace

int runImport(int argc, char** argv) {
  Args args = parseArgs(argc, argv, 2, {});
  if (args.positional.size() != 1) return usageError();
  if (args.has("save")) {
    complain(gbk("--save 需要项目文件的保存功能，这个版本还没有；请用 --out 文件夹"));
    return 2;
  }
  auto out = args.value("out");
  if (!out) return usageError();
  std::string type = args.value("type").value_or("0");
  if (type != "0" && type != "1" && type != "2") return usageError();
  auto folder = gbkPathArg(*out);
  auto text = utf8ToGbkStrict(args.positional[0]);
  if (!folder || !text) return 2;
  if (!makeFolders(*folder)) {
    complain(gbk("无法创建文件夹: ") + *folder);
    return 1;
  }
  setInfoSink([](const std::string& message) { complain(message); });
  socket_pool_init();
  readRemoteSettings();
  ProductQuery query{type[0] - '0', trimmed(*text)};
  FolderSink sink(*folder);
  ImportResult result = loadProductImages(query, serviceSettings(), sink);
  closePooledSockets();
  bool failed = false;
  for (const ImportNotice& notice : result.notices) {
    complain(notice.caption + ": " + notice.text);
    failed = failed || notice.isError;
  }
  say(strprintf(gbk("已下载 %d / %zu 张图片").c_str(), result.added, result.addresses.size()));
  return failed || result.added == 0 ? 1 : 0;
}

}  // namespace pictavo::cli
