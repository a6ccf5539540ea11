#include "cli/cli_support.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "imaging/image_library.h"
#include "project/size_list.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo::cli {

std::optional<std::string> Args::value(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

std::vector<std::string> Args::values(const std::string& name) const {
  std::vector<std::string> all;
  for (auto [it, end] = options.equal_range(name); it != end; ++it) all.push_back(it->second);
  return all;
}

Args parseArgs(int argc, char** argv, int first, const std::vector<std::string>& flags) {
  Args args;
  for (int i = first; i < argc; ++i) {
    std::string word = argv[i];
    if (word.rfind("--", 0) == 0 && word.size() > 2) {
      std::string name = word.substr(2);
      bool isFlag = std::find(flags.begin(), flags.end(), name) != flags.end();
      if (!isFlag && i + 1 < argc)
        args.options.emplace(name, argv[++i]);
      else
        args.options.emplace(name, std::string());
    } else if (word == "-o" && i + 1 < argc) {
      args.options.emplace("out", argv[++i]);
    } else {
      args.positional.push_back(word);
    }
  }
  return args;
}

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

bool parseCanvasSize(const std::string& text, int* width, int* height) {
  if (SizeList::parseSizeText(text, width, height) && *width % 2 == 0 && *height % 2 == 0) return true;
  complain(gbk("视频尺寸应写成 宽x高，两者都是偶数，例如 1280x720: ") + text);
  return false;
}

bool startCore() {
  std::string error;
  if (startImageLibrary(&error)) return true;
  complain(error);
  return false;
}

}  // namespace pictavo::cli
