// Fuzzes the MP3 frame walker: any bytes as a music file. The walk must end, the duration
// must be a finite non-negative number, and a duration above zero must come with one of the
// sample rates MPEG audio defines. The first four bytes also go through the header decoder,
// whose every accepted header must describe a frame that moves the walk forward.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "music/mp3_analysis.h"
#include "music/mp3_frame_header.h"

namespace {

bool mpegSampleRate(int rate) {
  for (int known : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000})
    if (rate == known) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pictavo;
  if (size >= 4) {
    uint32_t word = uint32_t{data[0]} << 24 | uint32_t{data[1]} << 16 |
                    uint32_t{data[2]} << 8 | data[3];
    if (auto header = parseMp3FrameHeader(word)) {
      if (header->frameBytes <= 0 || header->samples <= 0 || !mpegSampleRate(header->sampleRate))
        std::abort();
    }
  }
  int rate = -1;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  float milliseconds = analyseMp3Bytes(bytes, &rate);
  if (!std::isfinite(milliseconds) || milliseconds < 0) std::abort();
  if (milliseconds > 0 && !mpegSampleRate(rate)) std::abort();
  if (milliseconds == 0 && rate != -1) std::abort();
  return 0;
}
