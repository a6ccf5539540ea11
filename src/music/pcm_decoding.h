// The sound of a music file as mono samples, decoded by an ffmpeg child process: ffmpeg
// reads every form of MP3 (and more), so the analyses work on what the video will play.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pictavo {

struct DecodedSound {
  std::vector<float> samples;  // interleaved channels, -1..1
  int channels = 0;
  int sampleRate = 0;
};

// Decodes the first audio stream of the GBK `path` as `channels` channels (1 mixes down,
// 2 is what the video plays) at `sampleRate`. Nothing, with `error` (GBK) saying why,
// when ffmpeg is missing or fails.
std::optional<DecodedSound> decodeSound(const std::string& path, int sampleRate, int channels,
                                        std::string* error);

}  // namespace pictavo
