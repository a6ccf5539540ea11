// MP3 duration and sample rate, read by walking the MPEG audio frame headers of the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pictavo {

// Files above this size are not read into memory; they count as unreadable.
inline constexpr uint64_t kMaxMp3FileBytes = uint64_t{1} << 30;

// Duration of the MP3 file at the GBK `path` in milliseconds; 0 when it cannot be opened
// or holds no valid frame. *sampleRate receives the sample rate of the last valid frame and
// is left alone when there is none.
float analyseMp3(const std::string& path, int* sampleRate);

// The same analysis of bytes already in memory.
float analyseMp3Bytes(std::string_view bytes, int* sampleRate);

// Where the audio starts: just after a leading ID3v2 tag (and its footer), else 0. May lie
// beyond the end of `bytes` when the tag says it is larger than the data.
uint64_t id3v2TagEnd(std::string_view bytes);

}  // namespace pictavo
