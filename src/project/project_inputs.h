// The files a project reads (pictures, cover, logo, music tracks), so that nothing the
// program writes (a project file, a video) lands on one of them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/project_model.h"

namespace pictavo {

// Every path the project names as an input, switched on or not, in list order.
std::vector<std::string> projectInputPaths(const Project& project);

// The first input that is the same file as `gbkPath`; nothing when none is.
std::optional<std::string> inputAtPath(const Project& project, const std::string& gbkPath);

}  // namespace pictavo
