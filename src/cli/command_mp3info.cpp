// pictavo-cli mp3info: the duration and sample rate of each MP3 file, as the music list
// takes them.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "music/mp3_analysis.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/time_text.h"
#include "util/translate.h"

namespace pictavo::cli {

int runMp3Info(const Args& args) {
  if (args.positional.empty()) {
    complain(localText("用法: pictavo-cli mp3info MP3文件..."));
    return 2;
  }
  const int failures = countFailedFiles(args, [](const std::string& path) {
    int sampleRate = 0;
    float durationMs = analyseMp3(path, &sampleRate);
    if (durationMs <= 0) {
      complain(localFormat("%s: 无法读取, 或者不是有效的MP3文件", path.c_str()));
      return false;
    }
    say(localFormat("%s: 时长 %.3f 毫秒 (%s), 采样率 %d Hz", path.c_str(), durationMs,
                         timeText(durationMs / 1000.0f).c_str(), sampleRate));
    return true;
  });
  return failures ? 1 : 0;
}

}  // namespace pictavo::cli
