// The sound of a music file as mono samples, decoded by an ffmpeg child process: ffmpeg
// reads every form of MP3 (and more), so the analyses work on what the video will play.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pictavo {

struct DecodedSound {
  std::vector<float> samples;  // mono, -1..1
  int sampleRate = 0;
};

// Decodes the first audio stream of the GBK `path`, mixed down to mono and resampled to
// `sampleRate`. Nothing, with `error` (GBK) saying why, when ffmpeg is missing or fails.
std::optional<DecodedSound> decodeMono(const std::string& path, int sampleRate, std::string* error);

}  // namespace pictavo
