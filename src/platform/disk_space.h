// Free space on the file system that holds a folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pictavo {

// Bytes an ordinary user may still write in the GBK folder's file system; nothing when the
// folder cannot be examined.
std::optional<uint64_t> freeBytesIn(std::string_view gbkFolder);

}  // namespace pictavo
