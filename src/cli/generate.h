// Generation from the command line: the project's checks, the run with its progress on the
// terminal, Ctrl+C as the stop button.
#pragma once

#include <string>

#include "cli/arguments.h"
#include "project/project_model.h"

namespace pictavo::cli {

// Checks the project and makes the video at `outputPath` (GBK; ".mp4" is appended when
// missing). Returns the exit code: 0 made, 1 refused or failed, 130 stopped.
// With rawPipe the frames go to the encoder as raw pixels instead of JPEG.
int generateVideo(const Project& project, const std::string& outputPath, bool rawPipe = false);

// The frame pipe asked for with "--pipe": "mjpeg" (the default) or "raw" (rawPipe true).
// Complains and returns false for any other value.
bool pipeOption(const Args& args, bool* rawPipe);

}  // namespace pictavo::cli
