// pictavo-cli import: the pictures of a marketplace product (or picture addresses) fetched
// by the configured loader, either into a folder or into a new project that is then saved.
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "net/product_import.h"
#include "net/project_import_sink.h"
#include "net/remote_settings.h"
#include "net/socket_pool.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/interrupts.h"
#include "platform/user_file.h"
#include "project/project_file.h"
#include "project/project_model.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo::cli {
namespace {

// Downloads go straight into a folder, up to the project's picture limit.
class FolderSink : public ImportSink {
 public:
  explicit FolderSink(std::string folder) : folder_(std::move(folder)) {}
  std::string folder() const override { return folder_; }
  bool full() const override { return count_ >= kMaxPictures; }
  std::string fullMessage() const override {
    return localFormat("最多可以添加 %d 张图片", kMaxPictures);
  }
  bool add(const std::string& path) override {
    ++count_;
    say(path);
    return true;
  }
  void status(const std::string& text) override { say(text); }
  bool cancelled() const override { return ImportSink::cancelled() || interruptRequested(); }

 private:
  std::string folder_;
  int count_ = 0;
};

// Downloads are added to the project; the progress is printed.
class ProjectSink : public ProjectImportSink {
 public:
  using ProjectImportSink::ProjectImportSink;
  void status(const std::string& text) override { say(text); }
  bool cancelled() const override { return ImportSink::cancelled() || interruptRequested(); }
};

// Ctrl+C stops the import between and inside requests.
constexpr int kInterrupted = 130;

std::string trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

int usageError() {
  complain(
      localText("用法: pictavo-cli import [--type 0|1|2] (--out 文件夹 | --save 项目.dat) "
                "宝贝地址或图片地址"));
  return 2;
}

// Shows the messages; true when one of them is an error.
bool showNotices(const ImportResult& result) {
  bool error = false;
  if (result.cancelled) complain(localText("已停止。"));
  for (const UserMessage& notice : result.notices) {
    complain(notice.caption + ": " + notice.text);
    error = error || notice.caption == localText("错误");
  }
  say(localFormat("已下载 %d / %zu 张图片", result.added, result.addresses.size()));
  return error;
}

int importIntoFolder(const ProductQuery& query, const std::string& folder) {
  if (!makeFolders(folder)) {
    complain(localFormat("无法创建文件夹: %s", folder.c_str()));
    return 1;
  }
  FolderSink sink(folder);
  ImportResult result = loadProductImages(query, serviceSettings(), sink);
  bool error = showNotices(result);
  if (result.cancelled) return kInterrupted;
  return error || result.added == 0 ? 1 : 0;
}

int importIntoProject(const ProductQuery& query, const std::string& projectPath) {
  // Known before a picture is fetched: the project cannot be saved into a FIFO, device or
  // folder.
  if (std::string refusal = notRegularTargetMessage(projectPath); !refusal.empty()) {
    complain(refusal);
    return 1;
  }
  std::string error;
  if (!startCore()) return 1;
  if (!ensureProgramFolders(&error)) {
    complain(error);
    return 1;
  }
  Project project;
  ProjectSink sink(project);
  ImportResult result = loadProductImages(query, serviceSettings(), sink);
  bool failed = showNotices(result);
  // A stopped import still saves the pictures it already fetched.
  if (result.added == 0) return result.cancelled ? kInterrupted : 1;
  if (failed && !result.cancelled) return 1;
  UserMessage failure;
  if (!saveProject(project, projectPath, &failure)) {
    complain(failure.caption + ": " + failure.text);
    return 1;
  }
  say(localFormat("已保存项目: %s", projectPath.c_str()));
  return result.cancelled ? kInterrupted : 0;
}

}  // namespace

int runImport(const Args& args) {
  auto out = args.value("out");
  auto save = args.value("save");
  std::string type = args.value("type").value_or("0");
  if (args.positional.size() != 1 || out.has_value() == save.has_value() ||
      (type != "0" && type != "1" && type != "2"))
    return usageError();
  auto target = pathArg(out ? *out : *save);
  auto text = utf8ToGb18030Strict(args.positional[0]);
  if (!target || !text) return 2;
  setInfoSink([](const std::string& message) { complain(message); });
  catchInterrupts();
  socket_pool_init();
  readRemoteSettings();
  ProductQuery query{type[0] - '0', trimmed(*text)};
  int code = out ? importIntoFolder(query, *target) : importIntoProject(query, *target);
  closePooledSockets();
  return code;
}

}  // namespace pictavo::cli
