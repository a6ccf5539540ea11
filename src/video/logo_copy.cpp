#include "video/logo_copy.h"

#include <cctype>

#include "platform/files.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"
#include "video/temp_names.h"

namespace pictavo {

std::string logoCopyExtension(const std::string& logoPath) {
  std::string ext = extensionOf(logoPath);
  bool plain = !ext.empty() && ext.size() <= 8;
  for (char c : ext) plain = plain && std::isalnum(static_cast<unsigned char>(c));
  return plain ? ext : "png";
}

std::unique_ptr<LogoCopy> LogoCopy::make(const std::string& logoPath, const std::string& tempFolder,
                                         std::string* error) {
  std::string name = freeTempName(tempFolder, "temp_%d." + logoCopyExtension(logoPath), 10000, 30000);
  std::string path = joinPath(tempFolder, name);
  if (name.empty() || !makeFolders(tempFolder) || !copyFile(logoPath, path)) {
    if (!name.empty()) removeFile(path);
    if (error) *error = localText("无法创建图标文件的副本");
    return nullptr;
  }
  return std::unique_ptr<LogoCopy>(new LogoCopy(name, path));
}

LogoCopy::~LogoCopy() { removeFile(path_); }

}  // namespace pictavo
