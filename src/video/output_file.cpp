#include "video/output_file.h"

#include <cerrno>
#include <cstring>

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
  unfinished_ = std::make_unique<UnfinishedFile>(toFsName(path_).value_or(std::string()));
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
  return true;
}

void EncodingOutput::discard() {
  if (!path_.empty()) removeFile(path_);
  path_.clear();
  unfinished_.reset();
}

}  // namespace pictavo
