#include "project/project_inputs.h"

#include "platform/file_identity.h"

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

}  // namespace pictavo
