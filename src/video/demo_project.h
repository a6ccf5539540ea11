// The built-in demo: ImageMagick's built-in pictures as a short show at 1280 x 720 (or, for
// phones, 720 x 1280 with the pictures cut to fill the frame) with several effects, captions,
// pictures that move towards their faces, a logo, a generated music track and a cover.
// `pictavo-cli demo` renders it; the window opens it as a new, unsaved project.
#pragma once

#include <string>

#include "project/project_model.h"

namespace pictavo {

// Writes the demo's pictures, logo, cover and music into `folder` (GBK; created when
// missing) and fills the empty `project` with them. False with `error` (GBK) when a piece
// cannot be made; pictures the list refuses are logged as when the user adds them.
enum class DemoShape { Wide, Tall };  // 1280 x 720, or 720 x 1280 with filled pictures
bool buildDemoProject(Project& project, const std::string& folder, std::string* error,
                      DemoShape shape = DemoShape::Wide);

}  // namespace pictavo
