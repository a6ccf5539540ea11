// The fields of one MPEG audio frame header (MPEG 1, 2 and 2.5; layers I, II and III) and
// the frame's length and duration that follow from them.
#pragma once

#include <cstdint>
#include <optional>

namespace pictavo {

enum class MpegVersion { kMpeg1, kMpeg2, kMpeg25 };

struct Mp3FrameHeader {
  MpegVersion version = MpegVersion::kMpeg1;
  int layer = 3;         // 1, 2 or 3
  int sampleRate = 0;    // Hz
  int bitRateKbps = 0;   // kbit/s
  int padding = 0;       // 0 or 1
  int channels = 2;      // 1 for mono, else 2
  int frameBytes = 0;    // whole frame, header included; always above 0
  int samples = 0;       // samples per channel in the frame

  double durationMs() const { return static_cast<double>(samples) / sampleRate * 1000.0; }
};

// Decodes the big-endian four header bytes. Nothing when they are not a usable header: no
// frame sync, the reserved layer, a bad or free-format bit-rate index, a bad sample-rate index.
std::optional<Mp3FrameHeader> parseMp3FrameHeader(uint32_t header);

}  // namespace pictavo
