#include "cli/cli_support.h"

#include <cstdio>
#include <filesystem>

#include "imaging/image_library.h"
#include "project/size_list.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo::cli {

void say(const std::string& gbkText) {
  std::string text = utf8(gbkText);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void complain(const std::string& gbkText) {
  std::string text = utf8(gbkText);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
}

std::optional<std::string> pathArg(const std::string& fsName) {
  // Absolute, so that a saved project still finds its files from any folder.
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(fsName, ec);
  std::string name = ec || fsName.empty() ? fsName : absolute.lexically_normal().string();
  auto path = fromFsName(name);
  if (!path) complain(unsupportedNameMessage(fsName));
  return path;
}

int countFailedFiles(const Args& args, const std::function<bool(const std::string& path)>& check) {
  int failures = 0;
  for (const std::string& name : args.positional) {
    auto path = pathArg(name);
    if (!path || !check(*path)) ++failures;
  }
  return failures;
}

bool parseCanvasSize(const std::string& text, int* width, int* height) {
  if (SizeList::parseSizeText(text, width, height) && *width % 2 == 0 && *height % 2 == 0) return true;
  complain(localFormat("视频尺寸应写成 宽x高，两者都是偶数，例如 1280x720: %s", text.c_str()));
  return false;
}

bool startCore() {
  std::string error;
  if (startImageLibrary(&error)) return true;
  complain(error);
  return false;
}

}  // namespace pictavo::cli
