// Audio files for tests, made by the real ffmpeg from its generated sine source, and their
// duration as ffprobe reads it.
#pragma once

#include <string>
#include <vector>

namespace pictavo::test {

// Encodes `seconds` of a 440 Hz sine into fsPath with the given ffmpeg output options
// (e.g. "-ar 44100 -ac 2 -b:a 128k -c:a libmp3lame"). Returns ffmpeg's output on failure,
// "" on success.
std::string makeSineAudio(const std::string& fsPath, double seconds,
                          const std::string& outputOptions);

// Encodes `seconds` of clicks (10 ms bursts of a 2 kHz tone, the first at `offset`) at
// `bpm` beats per minute into fsPath with the given output options. "" on success.
std::string makeClickTrack(const std::string& fsPath, double bpm, double seconds,
                           const std::string& outputOptions, double offset = 0);

// Mono samples of the audio of a media file at `sampleRate`, decoded by ffmpeg; empty when
// it cannot be decoded.
std::vector<float> decodeAudio(const std::string& fsPath, int sampleRate);

// The container duration in seconds from ffprobe; -1 when it cannot tell.
double ffprobeSeconds(const std::string& fsPath);

}  // namespace pictavo::test
