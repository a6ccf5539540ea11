#include "project/project_inputs.h"

#include "platform/file_identity.h"
#include "platform/user_file.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {

std::vector<std::string> projectInputPaths(const Project& project) {
  std::vector<std::string> paths;
  for (const ImageItem& item : project.pictures) paths.push_back(item.path);
  const ProjectSettings& s = project.settings;
  paths.push_back(s.coverPath);
  paths.push_back(s.logoPath);
  for (const MusicTrack& track : s.musicTracks) paths.push_back(track.path);
  std::erase_if(paths, [](const std::string& path) { return path.empty(); });
  return paths;
}

std::optional<std::string> inputAtPath(const Project& project, const std::string& gbkPath) {
  for (const std::string& input : projectInputPaths(project)) {
    if (sameFile(input, gbkPath)) return input;
  }
  return std::nullopt;
}

std::string saveTargetRefusal(const Project& project, const std::string& gbkPath,
                              const std::string& kind, bool notOnProjectFile) {
  if (std::string notRegular = notRegularTargetMessage(gbkPath); !notRegular.empty())
    return notRegular;
  std::optional<std::string> input = inputAtPath(project, gbkPath);
  if (!input && notOnProjectFile && !project.path.empty() && sameFile(project.path, gbkPath))
    input = project.path;
  if (!input) return "";
  return localFormat("不能把%s保存到 %s：它就是项目中使用的文件 %s，保存会覆盖它。请换一个文件名。",
                   kind.c_str(), gbkPath.c_str(), input->c_str());
}

}  // namespace pictavo
