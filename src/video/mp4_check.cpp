#include "video/mp4_check.h"

#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

uint64_t bigEndian(const unsigned char* bytes, int count) {
  uint64_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
  return value;
}

bool printableType(const unsigned char* type) {
  for (int i = 0; i < 4; ++i)
    if (type[i] < 0x20 || type[i] > 0x7E) return false;
  return true;
}

std::string atByte(const char* text, uint64_t offset) {
  return localFormat(text, static_cast<unsigned long long>(offset));
}

// Walks the top-level boxes of a file of `fileBytes` bytes. A box's 32-bit size may be 1
// (a 64-bit size follows the type) or 0 (the box runs to the end of the file).
std::string boxProblem(std::FILE* file, uint64_t fileBytes) {
  bool movieIndex = false;
  for (uint64_t offset = 0; offset < fileBytes;) {
    unsigned char header[16];
    if (fileBytes - offset < 8 || std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0 ||
        std::fread(header, 1, 8, file) != 8)
      return atByte(translatable("文件在第 %llu 字节处被截断"), offset);
    if (!printableType(header + 4)) return atByte(translatable("文件在第 %llu 字节处不是 MP4 的结构"), offset);
    uint64_t size = bigEndian(header, 4);
    uint64_t headerBytes = 8;
    if (size == 1) {
      if (fileBytes - offset < 16 || std::fread(header + 8, 1, 8, file) != 8)
        return atByte(translatable("文件在第 %llu 字节处被截断"), offset);
      size = bigEndian(header + 8, 8);
      headerBytes = 16;
    } else if (size == 0) {
      size = fileBytes - offset;
    }
    if (size < headerBytes) return atByte(translatable("文件在第 %llu 字节处不是 MP4 的结构"), offset);
    if (size > fileBytes - offset) return atByte(translatable("文件在第 %llu 字节处被截断"), offset);
    movieIndex = movieIndex || std::memcmp(header + 4, "moov", 4) == 0;
    offset += size;
  }
  return movieIndex ? "" : localText("文件里没有视频索引 (moov)");
}

}  // namespace

std::string mp4Problem(const std::string& gbkPath, uint64_t minimumBytes) {
  std::optional<uint64_t> bytes = fileSize(gbkPath);
  if (!bytes) return localFormat("文件不存在: %s", gbkPath.c_str());
  if (*bytes == 0) return localFormat("文件是空的: %s", gbkPath.c_str());
  if (*bytes < minimumBytes)
    return localFormat("文件只有 %llu 字节，比应有的 %llu 字节少: ",
                     static_cast<unsigned long long>(*bytes),
                     static_cast<unsigned long long>(minimumBytes)) +
           gbkPath;
  FilePtr file = openFile(gbkPath, "rb");
  if (!file) return localFormat("无法打开文件: %s", gbkPath.c_str());
  std::string problem = boxProblem(file.get(), *bytes);
  return problem.empty() ? problem : problem + ": " + gbkPath;
}

}  // namespace pictavo
