#include "music/mp3_analysis.h"

#include "music/mp3_frame_header.h"
#include "platform/files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// The last 128 bytes may hold an ID3v1 tag; no frame starts there.
constexpr uint64_t kId3v1Bytes = 128;
constexpr uint64_t kId3v2HeaderBytes = 10;
constexpr uint64_t kId3v2FooterBytes = 10;

uint8_t byteAt(std::string_view bytes, uint64_t i) { return static_cast<uint8_t>(bytes[i]); }

uint32_t bigEndian32(std::string_view bytes, uint64_t p) {
  return uint32_t{byteAt(bytes, p)} << 24 | uint32_t{byteAt(bytes, p + 1)} << 16 |
         uint32_t{byteAt(bytes, p + 2)} << 8 | uint32_t{byteAt(bytes, p + 3)};
}

bool startsWithId3v2Header(std::string_view bytes) {
  if (bytes.size() < kId3v2HeaderBytes || bytes.substr(0, 3) != "ID3") return false;
  if (byteAt(bytes, 3) == 0xFF || byteAt(bytes, 4) == 0xFF) return false;
  for (int i = 6; i < 10; ++i)
    if (byteAt(bytes, i) >= 0x80) return false;
  return true;
}

}  // namespace

uint64_t id3v2TagEnd(std::string_view bytes) {
  if (!startsWithId3v2Header(bytes)) return 0;
  uint64_t size = 0;
  for (int i = 6; i < 10; ++i) size = size << 7 | byteAt(bytes, i);
  const bool hasFooter = byteAt(bytes, 5) & 0x10;
  return kId3v2HeaderBytes + size + (hasFooter ? kId3v2FooterBytes : 0);
}

float analyseMp3Bytes(std::string_view bytes, int* sampleRate) {
  // Summed in double: single-precision sums of ~26 ms steps drift by seconds over an hour.
  double durationMs = 0;
  int lastRate = 0;
  uint64_t p = id3v2TagEnd(bytes);
  while (p + kId3v1Bytes <= bytes.size()) {
    auto frame = parseMp3FrameHeader(bigEndian32(bytes, p));
    if (!frame) {
      ++p;
      continue;
    }
    durationMs += frame->durationMs();
    lastRate = frame->sampleRate;
    p += static_cast<uint64_t>(frame->frameBytes);
  }
  if (lastRate != 0 && sampleRate) *sampleRate = lastRate;
  return static_cast<float>(durationMs);
}

float analyseMp3(const std::string& path, int* sampleRate) {
  auto size = fileSize(path);
  if (!size) return 0;
  if (*size > kMaxMp3FileBytes) {
    infoLog(localFormat("音乐文件太大, 无法分析:\r\n%s", path.c_str()));
    return 0;
  }
  auto bytes = readWholeFile(path);
  if (!bytes) return 0;
  return analyseMp3Bytes(*bytes, sampleRate);
}

}  // namespace pictavo
