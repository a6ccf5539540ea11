// pictavo-cli render: the video of a saved project, made by the same generation run as
// `make` (and the user interface's).
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/generate.h"
#include "cli/project_setup.h"
#include "music/track_analysis.h"
#include "project/project_file.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/translate.h"
#include "video/auto_pause.h"

namespace pictavo::cli {

int runRender(const Args& args) {
  auto out = args.value("out");
  if (!out || out->empty() || args.positional.size() != 1) {
    complain(localText("用法: pictavo-cli render 项目.dat -o 输出.mp4 [--beat] [--fade-in 秒] [--fade-out 秒] "
                       "[--level] [--pipe raw|mjpeg]"));
    return 2;
  }
  FramePipe pipe = FramePipe::Raw;
  if (!pipeOption(args, &pipe)) return 2;
  auto projectPath = pathArg(args.positional[0]);
  auto output = pathArg(*out);
  if (!projectPath || !output) return 2;
  if (!startCore()) return 1;
  setInfoSink([](const std::string& text) { complain(text); });

  Project project;
  UserMessage message;
  if (!openProject(project, *projectPath, &message, withMp3Analysis())) {
    complain(message.caption + ": " + message.text);
    return 1;
  }
  if (!setMusicStyle(project, args)) return 2;
  const ProjectSettings& s = project.settings;
  // The pause the window would show: computed from the music while automatic pause is on.
  if (autoPauseApplies(s)) autoPauseTime(project);
  return generateVideo(project, *output, pipe);
}

}  // namespace pictavo::cli
