// The external programs the window needs: the encoder (ffmpeg), the music player (ffplay)
// and the cover tool (AtomicParsley), each in <program folder>/tool or on PATH.
#pragma once

#include <optional>
#include <string>

namespace pictavo {

// The first of the three that neither place has, or nothing when all are there.
std::optional<std::string> firstMissingTool();

}  // namespace pictavo
