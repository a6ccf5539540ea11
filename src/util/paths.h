// Path helpers. Paths inside the program are internal (GB18030) text joined with the
// platform separator; they become file-system names (UTF-8 here) only at the boundary,
// through toFsName. Neither the separator nor "." occurs inside a two- or four-byte
// character, so paths are split byte-wise.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

inline constexpr char kPathSeparator = '/';

// Internal path -> file-system name. Fails on bytes that are not valid GB18030.
std::optional<std::string> toFsName(std::string_view gbkPath);

// File-system name -> internal path. Fails only when the name is not valid UTF-8, so that
// such a file is refused instead of being mangled into a different name.
std::optional<std::string> fromFsName(std::string_view fsName);

// The message for a file-system name that is not valid UTF-8 (internal text).
std::string unsupportedNameMessage(std::string_view fsName);

std::string joinPath(std::string_view folder, std::string_view name);

// Text after the last separator (the whole path when there is none).
std::string baseName(std::string_view path);

// Folder part of a path: text before the last separator ("" when there is none).
std::string folderOf(std::string_view path);

// Extension of the file name: text after its last ".", "" when there is none.
std::string extensionOf(std::string_view path);

// File name without its last extension.
std::string stemOf(std::string_view path);

// True when `text` ends with `suffix`, ignoring ASCII letter case.
bool endsWithNoCase(std::string_view text, std::string_view suffix);

// True when `path` begins with `folder` followed by a separator (or equals it).
bool isInsideFolder(std::string_view path, std::string_view folder);

}  // namespace pictavo
