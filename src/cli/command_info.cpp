// pictavo-cli info: the picture information line of each file.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "imaging/image.h"
#include "util/charset.h"
#include "util/translate.h"

namespace pictavo::cli {

int runInfo(const Args& args) {
  if (args.positional.empty()) {
    complain(localText("用法: pictavo-cli info 图片文件..."));
    return 2;
  }
  if (!startCore()) return 1;
  const int failures = countFailedFiles(args, [](const std::string& path) {
    std::string line = pictureInformation(path);
    const bool valid = !line.empty();
    if (!valid) line = localText("注意: 这不是一个有效的图片");
    say(path + ": " + line);
    return valid;
  });
  return failures ? 1 : 0;
}

}  // namespace pictavo::cli
