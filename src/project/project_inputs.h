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

// The refusal text (GBK, caption "提示") for saving a file of the project at `gbkPath`, made
// before anything is written: something other than a regular file is there, or it is one of
// the project's inputs, or (with `notOnProjectFile`) the project file itself. `kind` names
// what is saved, in GBK ("项目", "视频设置"). Empty when the save may go ahead.
std::string saveTargetRefusal(const Project& project, const std::string& gbkPath,
                              const std::string& kind, bool notOnProjectFile);

}  // namespace pictavo
