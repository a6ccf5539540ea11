// Audio files for tests, made by the real ffmpeg from its generated sine source, and their
// duration as ffprobe reads it.
#pragma once

#include <string>

namespace pictavo::test {

// Encodes `seconds` of a 440 Hz sine into fsPath with the given ffmpeg output options
// (e.g. "-ar 44100 -ac 2 -b:a 128k -c:a libmp3lame"). Returns ffmpeg's output on failure,
// "" on success.
std::string makeSineAudio(const std::string& fsPath, double seconds,
                          const std::string& outputOptions);

// The container duration in seconds from ffprobe; -1 when it cannot tell.
double ffprobeSeconds(const std::string& fsPath);

}  // namespace pictavo::test
