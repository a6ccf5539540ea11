// Generation from the command line: the project's checks, the run with its progress on the
// terminal, Ctrl+C as the stop button.
#pragma once

#include <string>

#include "cli/arguments.h"
#include "project/preferences.h"
#include "project/project_model.h"

namespace pictavo::cli {

// Checks the project and makes the video at `outputPath` (GBK; ".mp4" is appended when
// missing). Returns the exit code: 0 made, 1 refused or failed, 130 stopped.
// The frames go to the encoder through `pipe`: raw pixels, or JPEG (the MJPEG pipe).
int generateVideo(const Project& project, const std::string& outputPath,
                  FramePipe pipe = FramePipe::Raw);

// The frame pipe asked for with "--pipe": "raw" (the default) or "mjpeg". Complains and
// returns false for any other value.
bool pipeOption(const Args& args, FramePipe* pipe);

}  // namespace pictavo::cli
