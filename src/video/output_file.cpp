#include "video/output_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <regex>

#include "platform/file_identity.h"
#include "platform/files.h"
#include "platform/user_file.h"
#include "project/project_inputs.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {

std::string outputOverInputMessage(const Project& project, const std::string& outputPath) {
  std::optional<std::string> input = inputAtPath(project, outputPath);
  if (!input && !project.path.empty() && sameFile(project.path, outputPath)) input = project.path;
  if (!input) return "";
  return localFormat("不能把视频保存到 %s：它就是项目中使用的文件 %s，"
                       "生成视频会覆盖它。请换一个文件名。",
                   outputPath.c_str(), input->c_str());
}

std::string outputRefusal(const Project& project, const std::string& outputPath) {
  std::string notRegular = notRegularTargetMessage(outputPath);
  return notRegular.empty() ? outputOverInputMessage(project, outputPath) : notRegular;
}

int removeAbandonedHiddenVideos(const std::string& fsFolder) {
  static const std::regex hidden(R"(\.pictavo-[A-Za-z0-9]{6}(-[0-9]+)?\.mp4)");
  const std::time_t now = std::time(nullptr);
  int removed = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(fsFolder, error)) {
    const std::string path = entry.path().string();
    struct stat st;
    if (!std::regex_match(entry.path().filename().string(), hidden) ||
        ::lstat(path.c_str(), &st) != 0 || now - st.st_mtime < kAbandonedVideoSeconds)
      continue;
    if (fileLockIsFree(path) && ::unlink(path.c_str()) == 0) ++removed;
  }
  return removed;
}

EncodingOutput::~EncodingOutput() { discard(); }

bool EncodingOutput::create(const std::string& outputPath, std::string* error) {
  discard();
  std::optional<ReplacementFile> file = createReplacementFile(outputPath, ".mp4");
  if (!file) {
    int why = errno;
    *error = localFormat("无法在文件夹 %s 中写入视频文件：%s。请换一个文件夹。",
                       folderOf(outputPath).c_str(), std::strerror(why));
    return false;
  }
  path_ = file->path;
  target_ = file->target;
  const std::string fsPath = toFsName(path_).value_or(std::string());
  unfinished_ = std::make_unique<UnfinishedFile>(fsPath);
  lock_ = FileLock(fsPath);
  removeAbandonedHiddenVideos(std::filesystem::path(fsPath).parent_path().string());
  return true;
}

bool EncodingOutput::commit(std::string* error) {
  if (path_.empty() || !renameFile(path_, target_)) {
    *error = localFormat("生成的视频无法保存为 %s：%s", target_.c_str(),
                       std::strerror(errno));
    return false;
  }
  path_.clear();
  unfinished_.reset();
  lock_ = FileLock();
  return true;
}

void EncodingOutput::discard() {
  if (!path_.empty()) removeFile(path_);
  path_.clear();
  unfinished_.reset();
  lock_ = FileLock();
}

}  // namespace pictavo
