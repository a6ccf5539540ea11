// Fuzzes the picture header probe: any bytes as a picture file. The probe reads a real file,
// so each input goes into an in-memory file named through /proc/self/fd. An accepted header
// must name one of the four types, a positive width, a non-zero height and the file's size.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "imaging/image.h"

namespace {

// One memory file for the whole run, rewritten for every input.
int memoryFile() {
  static const int fd = memfd_create("picture", 0);
  if (fd < 0) std::abort();
  return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pictavo;
  int fd = memoryFile();
  if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
    std::abort();
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  PictureHeader header;
  if (!probePictureHeader(path, &header)) return 0;
  bool knownType = header.type == "BMP" || header.type == "JPEG" || header.type == "GIF" ||
                   header.type == "PNG";
  if (!knownType || header.width < 1 || header.height == 0) std::abort();
  if (header.type != "BMP" && header.size != static_cast<int64_t>(size)) std::abort();
  return 0;
}
