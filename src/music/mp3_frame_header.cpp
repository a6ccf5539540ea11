#include "music/mp3_frame_header.h"

namespace pictavo {
namespace {

// Bit rates in kbit/s by bit-rate index (0 = free format, 15 = invalid; both refused).
// MPEG 1 after ISO/IEC 11172-3, MPEG 2 and 2.5 after ISO/IEC 13818-3.
constexpr int kMpeg1Rates[3][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // layer I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // layer III
};
constexpr int kMpeg2Rates[3][15] = {
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},  // layer I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},       // layer II
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},       // layer III
};
constexpr int kBaseSampleRates[3] = {44100, 48000, 32000};

MpegVersion versionOf(uint32_t h) {
  if (!(h & (1u << 20))) return MpegVersion::kMpeg25;
  return (h & (1u << 19)) ? MpegVersion::kMpeg1 : MpegVersion::kMpeg2;
}

int frameBytesOf(const Mp3FrameHeader& f) {
  const int rate = f.sampleRate;
  if (f.layer == 1) return (12000 * f.bitRateKbps / rate + f.padding) * 4;
  if (f.layer == 2 || f.version == MpegVersion::kMpeg1)
    return 144000 * f.bitRateKbps / rate + f.padding;
  return 72000 * f.bitRateKbps / rate + f.padding;  // layer III of MPEG 2 and 2.5
}

int samplesOf(const Mp3FrameHeader& f) {
  if (f.layer == 1) return 384;
  if (f.layer == 3 && f.version != MpegVersion::kMpeg1) return 576;
  return 1152;
}

}  // namespace

std::optional<Mp3FrameHeader> parseMp3FrameHeader(uint32_t h) {
  const unsigned layerBits = (h >> 17) & 3;
  const unsigned bitRateIndex = (h >> 12) & 15;
  const unsigned sampleRateIndex = (h >> 10) & 3;
  if (h < 0xFFE00000u || layerBits == 0 || bitRateIndex == 15 || bitRateIndex == 0 ||
      sampleRateIndex == 3)
    return std::nullopt;

  Mp3FrameHeader f;
  f.version = versionOf(h);
  f.layer = 4 - static_cast<int>(layerBits);
  const auto& table = f.version == MpegVersion::kMpeg1 ? kMpeg1Rates : kMpeg2Rates;
  f.bitRateKbps = table[f.layer - 1][bitRateIndex];
  f.sampleRate = kBaseSampleRates[sampleRateIndex];
  if (f.version == MpegVersion::kMpeg2) f.sampleRate /= 2;
  if (f.version == MpegVersion::kMpeg25) f.sampleRate /= 4;
  f.padding = (h >> 9) & 1;
  f.channels = ((h >> 6) & 3) == 3 ? 1 : 2;
  f.frameBytes = frameBytesOf(f);
  f.samples = samplesOf(f);
  return f;
}

}  // namespace pictavo
