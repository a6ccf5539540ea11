// Opening a file that the user named, for reading. Such a name may lead anywhere: to a
// FIFO (a plain open waits for a writer that never comes), to a device such as /dev/zero
// (a read never ends), or to a file swapped for one of those after it was checked. So the
// file is opened without blocking and examined through the open descriptor: anything but a
// regular file within the caller's size limit is refused before a byte of it is read.
// Every reader of pictures, logos, covers, music, projects and settings files opens here.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace pictavo {

inline constexpr uint64_t kNoSizeLimit = std::numeric_limits<uint64_t>::max();

enum class UserFileRefusal { None, CannotOpen, NotRegular, TooLarge };

struct UserFileOpening {
  FilePtr file;  // null when refused; reads block as on any regular file
  uint64_t size = 0;
  UserFileRefusal refusal = UserFileRefusal::None;
  std::string error;  // GBK text for the user naming the path, empty when opened
};

UserFileOpening openUserFile(std::string_view gbkPath, uint64_t maxBytes = kNoSizeLimit);

// The whole file, read through openUserFile; nothing when refused (`error` says why) or
// when the read fails.
std::optional<std::string> readUserFile(std::string_view gbkPath, uint64_t maxBytes = kNoSizeLimit,
                                        std::string* error = nullptr);

// The text openUserFile gives when something other than a regular file (a FIFO, a device, a
// folder) is at the path; empty when the path is free or names a regular file. For callers
// that look at a path before they open it.
std::string notRegularSourceMessage(std::string_view gbkPath);

// For a file about to be written (a video, a project, a settings file): the refusal text
// (GBK, naming the path) when something other than a regular file is at the path. Opening a
// FIFO for writing waits for a reader, a device swallows or rejects the data, and renaming a
// new file over either would destroy it. Empty when the path is free or a regular file.
std::string notRegularTargetMessage(std::string_view gbkPath);

}  // namespace pictavo
