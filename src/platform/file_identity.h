// Which file a path names: its device and inode, with the size and the last change, so that
// two names of one file can be told apart from two files, and a file can be told apart from
// the same file after someone wrote it.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pictavo {

struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t size = 0;
  int64_t modifiedNs = 0;  // last data change, nanoseconds since 1970

  bool sameFileAs(const FileIdentity& other) const {
    return device == other.device && inode == other.inode;
  }
  // Ordered, so that an identity can key a map of what is known about a file.
  auto operator<=>(const FileIdentity&) const = default;
};

// The identity of what the GBK path names now (symbolic links followed); nothing when it
// does not exist or the path cannot be converted.
std::optional<FileIdentity> fileIdentity(std::string_view gbkPath);

// True when both paths name one file: the same device and inode when both exist (hard and
// symbolic links included), else the same absolute path once "." and ".." are resolved.
bool sameFile(std::string_view gbkPathA, std::string_view gbkPathB);

}  // namespace pictavo
