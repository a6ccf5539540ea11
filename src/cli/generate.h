// Generation from the command line: the project's checks, the run with its progress on the
// terminal, Ctrl+C as the stop button.
#pragma once

#include <string>

#include "project/project_model.h"

namespace pictavo::cli {

// Checks the project and makes the video at `outputPath` (GBK; ".mp4" is appended when
// missing). Returns the exit code: 0 made, 1 refused or failed, 130 stopped.
int generateVideo(const Project& project, const std::string& outputPath);

}  // namespace pictavo::cli
