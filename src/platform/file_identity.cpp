#include "platform/file_identity.h"

#include <sys/stat.h>

#include <filesystem>

#include "util/paths.h"

namespace pictavo {
namespace {

// The lexically normal absolute form of a file-system name ("" when it cannot be made).
std::string normalAbsolute(const std::string& fsName) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(fsName, ec);
  return ec ? std::string() : absolute.lexically_normal().string();
}

}  // namespace

std::optional<FileIdentity> fileIdentity(std::string_view gbkPath) {
  auto name = toFsName(gbkPath);
  struct stat st;
  if (!name || ::stat(name->c_str(), &st) != 0) return std::nullopt;
  FileIdentity id;
  id.device = static_cast<uint64_t>(st.st_dev);
  id.inode = static_cast<uint64_t>(st.st_ino);
  id.size = static_cast<uint64_t>(st.st_size);
  id.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return id;
}

bool sameFile(std::string_view gbkPathA, std::string_view gbkPathB) {
  auto a = fileIdentity(gbkPathA);
  auto b = fileIdentity(gbkPathB);
  if (a && b) return a->sameFileAs(*b);
  if (a || b) return false;
  auto nameA = toFsName(gbkPathA);
  auto nameB = toFsName(gbkPathB);
  if (!nameA || !nameB) return false;
  std::string absoluteA = normalAbsolute(*nameA);
  return !absoluteA.empty() && absoluteA == normalAbsolute(*nameB);
}

}  // namespace pictavo
