#include "platform/disk_space.h"

#include <sys/statvfs.h>

#include "util/paths.h"

namespace pictavo {

std::optional<uint64_t> freeBytesIn(std::string_view gbkFolder) {
  auto name = toFsName(gbkFolder.empty() ? std::string_view(".") : gbkFolder);
  struct statvfs fs;
  if (!name || ::statvfs(name->c_str(), &fs) != 0) return std::nullopt;
  return static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize;
}

}  // namespace pictavo
