// What ffprobe says about a media file, and single frames decoded by ffmpeg: the real tools
// check what the program made.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "imaging/magick_handles.h"

namespace pictavo::test {

struct MediaInfo {
  std::vector<std::map<std::string, std::string>> streams;  // key=value of each stream
  double duration = -1;                                     // the container's, seconds
  // The first stream of that codec type ("video", "audio") that is not attached artwork.
  const std::map<std::string, std::string>* stream(const std::string& type) const;
  const std::map<std::string, std::string>* artwork() const;
};

MediaInfo probeMedia(const std::string& fsPath);

// The video frame at `seconds`, decoded; null when ffmpeg cannot give it.
WandPtr frameAt(const std::string& fsPath, double seconds);

}  // namespace pictavo::test
