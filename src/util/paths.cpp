#include "util/paths.h"

#include <cctype>

#include "util/charset.h"
#include "util/translate.h"

namespace pictavo {

std::optional<std::string> toFsName(std::string_view gbkPath) { return gb18030ToUtf8Strict(gbkPath); }

std::optional<std::string> fromFsName(std::string_view fsName) { return utf8ToGb18030Strict(fsName); }

std::string unsupportedNameMessage(std::string_view fsName) {
  std::string shown;
  for (unsigned char c : fsName) shown += c < 0x80 ? static_cast<char>(c) : '?';
  return localFormat("文件名含有本软件无法处理的字符，请改名后再试: %s", shown.c_str());
}

std::string joinPath(std::string_view folder, std::string_view name) {
  std::string result(folder);
  if (!result.empty() && result.back() != kPathSeparator) result += kPathSeparator;
  result += name;
  return result;
}

std::string baseName(std::string_view path) {
  size_t cut = path.rfind(kPathSeparator);
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string folderOf(std::string_view path) {
  size_t cut = path.rfind(kPathSeparator);
  if (cut == std::string_view::npos) return std::string();
  if (cut == 0) return std::string(1, kPathSeparator);
  return std::string(path.substr(0, cut));
}

std::string extensionOf(std::string_view path) {
  std::string name = baseName(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string stemOf(std::string_view path) {
  std::string name = baseName(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
  if (suffix.size() > text.size()) return false;
  std::string_view tail = text.substr(text.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) !=
        std::tolower(static_cast<unsigned char>(suffix[i])))
      return false;
  }
  return true;
}

bool isInsideFolder(std::string_view path, std::string_view folder) {
  while (folder.size() > 1 && folder.back() == kPathSeparator) folder.remove_suffix(1);
  if (path.substr(0, folder.size()) != folder) return false;
  return path.size() == folder.size() || path[folder.size()] == kPathSeparator ||
         folder == std::string_view(&kPathSeparator, 1);
}

}  // namespace pictavo
