// pictavo-cli info: the picture information line of each file.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "imaging/image.h"
#include "util/charset.h"

namespace pictavo::cli {

int runInfo(const Args& args) {
  if (args.positional.empty()) {
    complain(gbk("用法: pictavo-cli info 图片文件..."));
    return 2;
  }
  if (!startCore()) return 1;
  int failures = 0;
  for (const std::string& name : args.positional) {
    auto path = pathArg(name);
    if (!path) {
      ++failures;
      continue;
    }
    std::string line = pictureInformation(*path);
    if (line.empty()) {
      line = gbk("注意: 这不是一个有效的图片");
      ++failures;
    }
    say(*path + ": " + line);
  }
  return failures ? 1 : 0;
}

}  // namespace pictavo::cli
