// Where the external programs are: "<program folder>/tool/NAME" when that file exists and
// can be run, else NAME found on PATH.
#pragma once

#include <optional>
#include <string>

namespace pictavo {

inline constexpr const char* kEncoderTool = "ffmpeg";
inline constexpr const char* kCoverTool = "AtomicParsley";
inline constexpr const char* kPlayerTool = "ffplay";  // music trial playback

// The program's file-system name, or nothing when neither place has it.
std::optional<std::string> findTool(const std::string& name);

}  // namespace pictavo
