#include "video/output_file.h"

#include "platform/files.h"
#include "platform/user_file.h"
#include "project/project_inputs.h"
#include "util/charset.h"
#include "util/text_format.h"

namespace pictavo {

std::string outputOverInputMessage(const Project& project, const std::string& outputPath) {
  std::optional<std::string> input = inputAtPath(project, outputPath);
  if (!input && !project.path.empty() && sameFile(project.path, outputPath)) input = project.path;
  if (!input) return "";
  return strprintf(gbk("不能把视频保存到 %s：它就是项目中使用的文件 %s，"
                       "生成视频会覆盖它。请换一个文件名。").c_str(),
                   outputPath.c_str(), input->c_str());
}

std::string outputRefusal(const Project& project, const std::string& outputPath) {
  std::string notRegular = notRegularTargetMessage(outputPath);
  return notRegular.empty() ? outputOverInputMessage(project, outputPath) : notRegular;
}

PartialOutput::PartialOutput(std::string outputPath)
    : path_(std::move(outputPath)), before_(fileIdentity(path_)) {}

std::string PartialOutput::discard() const {
  std::optional<FileIdentity> now = fileIdentity(path_);
  if (!now || now == before_ || !removeFile(path_)) return "";
  if (!before_) return "";
  return strprintf(gbk("%s 原来就存在，生成开始时已被覆盖；未完成的视频已删除。").c_str(),
                   path_.c_str());
}

}  // namespace pictavo
