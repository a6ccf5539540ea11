// The header probe: a picture's type and size read from its first bytes, without the image
// library. Every read is bounds-checked; a hostile header only makes the probe fail.
#include <cstdlib>
#include <cstring>

#include "imaging/image.h"
#include "imaging/image_library.h"
#include "platform/user_file.h"

namespace pictavo {
namespace {

uint32_t le16(const unsigned char* p) { return p[0] | (p[1] << 8); }
uint32_t be16(const unsigned char* p) { return (p[0] << 8) | p[1]; }
uint32_t le32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint32_t be32(const unsigned char* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

void probeBmp(const unsigned char* head, PictureHeader* h) {
  int32_t rawWidth = static_cast<int32_t>(le32(head + 18));
  int32_t rawHeight = static_cast<int32_t>(le32(head + 22));
  long long width = std::llabs(rawWidth), height = std::llabs(rawHeight);
  if (width > 100000 || height > 100000) {
    // An old-style header: two 16-bit values where the 32-bit width would be.
    width = le32(head + 18) & 0xFFFF;
    height = le32(head + 18) >> 16;
  }
  h->width = static_cast<int>(width);
  h->height = static_cast<int>(height);
  h->size = le32(head + 2);
}

// Walks the JPEG markers from offset 2 to the first start-of-frame (C0 or C2).
bool probeJpeg(std::FILE* file, PictureHeader* h) {
  if (std::fseek(file, 2, SEEK_SET) != 0) return false;
  for (;;) {
    unsigned char marker[4];
    if (std::fread(marker, 1, 4, file) != 4 || marker[0] != 0xFF) return false;
    uint32_t length = be16(marker + 2);
    if (marker[1] == 0xC0 || marker[1] == 0xC2) {
      unsigned char frame[5];
      if (std::fread(frame, 1, 5, file) != 5) return false;
      h->height = static_cast<int>(be16(frame + 1));
      h->width = static_cast<int>(be16(frame + 3));
      return true;
    }
    if (length < 2 || std::fseek(file, static_cast<long>(length) - 2, SEEK_CUR) != 0) return false;
  }
}

}  // namespace

bool probePictureHeader(const std::string& path, PictureHeader* header) {
  UserFileOpening opening = openUserFile(path, kMaxPictureFileBytes);
  FilePtr file = std::move(opening.file);
  if (!file) return false;
  unsigned char head[32] = {};
  size_t got = std::fread(head, 1, sizeof head, file.get());
  if (got < 2) return false;
  PictureHeader h;
  h.size = static_cast<int64_t>(opening.size);
  if (head[0] == 'B' && head[1] == 'M') {
    if (got < 26) return false;
    h.type = "BMP";
    probeBmp(head, &h);
  } else if (head[0] == 0xFF && head[1] == 0xD8) {
    h.type = "JPEG";
    if (!probeJpeg(file.get(), &h)) return false;
  } else if (head[0] == 'G' && head[1] == 'I') {
    if (got < 10) return false;
    h.type = "GIF";
    h.width = static_cast<int>(le16(head + 6));
    h.height = static_cast<int>(le16(head + 8));
  } else if (head[0] == 0x89 && head[1] == 'P') {
    if (got < 24) return false;
    h.type = "PNG";
    h.width = static_cast<int>(be32(head + 16) & 0xFFFF);
    h.height = static_cast<int>(be32(head + 20) & 0xFFFF);
  } else {
    return false;
  }
  if (h.size < 1 || h.width < 1 || h.height == 0) return false;
  *header = h;
  return true;
}

}  // namespace pictavo
