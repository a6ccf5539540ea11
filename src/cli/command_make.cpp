// pictavo-cli make: a video from pictures given on the command line, with the project's
// options as flags, made by the same generation run as the user interface's.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/generate.h"
#include "cli/project_setup.h"
#include "platform/file_identity.h"
#include "project/project_file.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/translate.h"
#include "video/auto_pause.h"
#include "video/generation_checks.h"
#include "video/output_file.h"

namespace pictavo::cli {
namespace {

const char* kUsage = translatable(
    "用法: pictavo-cli make -o 输出.mp4 [--size 宽x高] [--pause 秒] [--effect N|random|cycle] "
    "[--caption 文字] [--music MP3]... [--auto-pause|--loop] [--beat] [--fade-in 秒] "
    "[--fade-out 秒] [--level] [--logo PNG --logo-at 0..3] "
    "[--cover 图片] [--save 项目.dat] [--pipe raw|mjpeg] "
    "[--motion off|auto|in|out|left|right|up|down] [--motion-strength 4..20] [--fit fit|fill|blur] "
    "图片...");

// The internal form of each path argument; nothing when one cannot be carried.
std::optional<std::vector<std::string>> pathArgs(const std::vector<std::string>& fsNames) {
  std::vector<std::string> paths;
  for (const std::string& name : fsNames) {
    auto path = pathArg(name);
    if (!path) return std::nullopt;
    paths.push_back(*path);
  }
  return paths;
}

bool applyMusic(Project& project, const Args& args) {
  auto tracks = pathArgs(args.values("music"));
  if (!tracks) return false;
  for (const std::string& track : *tracks) {
    if (!addMusicTrack(project, track)) return false;
  }
  if (args.has("auto-pause") && args.has("loop")) {
    complain(localText("--auto-pause 和 --loop 只能选一个。"));
    return false;
  }
  if ((args.has("auto-pause") || args.has("loop")) && tracks->empty()) {
    complain(localText("--auto-pause 和 --loop 需要背景音乐 (--music)。"));
    return false;
  }
  project.settings.loopPictures = args.has("loop");
  if (!setMusicStyle(project, args)) return false;
  if (args.has("auto-pause")) {
    project.settings.autoPause = true;
    autoPauseTime(project);
  }
  return true;
}

bool applyLogoAndCover(Project& project, const Args& args) {
  if (auto logo = args.value("logo")) {
    auto path = pathArg(*logo);
    if (!path || !setLogo(project, *path, args.value("logo-at").value_or("2"))) return false;
  } else if (args.has("logo-at")) {
    complain(localText("--logo-at 需要 --logo。"));
    return false;
  }
  if (auto cover = args.value("cover")) {
    auto path = pathArg(*cover);
    if (!path) return false;
    setCover(project, *path);
  }
  return true;
}

// Nothing is written when the video would land on something other than a regular file, on
// one of the project's files or on the project file being saved (the project file's own
// checks run when it is saved).
bool outputsClear(const Project& project, const Args& args, const std::string& videoPath) {
  std::string clash = outputRefusal(project, videoPath);
  if (auto save = args.value("save"); clash.empty() && save) {
    auto savePath = pathArg(*save);
    if (savePath && sameFile(*savePath, videoPath))
      clash = localFormat("项目文件和视频文件不能是同一个文件: %s", videoPath.c_str());
  }
  if (!clash.empty()) complain(clash);
  return clash.empty();
}

// Saves the project so the window can open it later; the video is made either way.
bool saveIfAsked(Project& project, const Args& args) {
  auto target = args.value("save");
  if (!target) return true;
  auto path = pathArg(*target);
  if (!path) return false;
  UserMessage error;
  if (!saveProject(project, *path, &error)) {
    // Most refusals name the file already; the bare write errors do not.
    bool named = error.text.find(*path) != std::string::npos;
    complain(error.caption + ": " + error.text + (named ? "" : " " + *path));
    return false;
  }
  say(localFormat("项目已保存: %s", path->c_str()));
  return true;
}

}  // namespace

int runMake(const Args& args) {
  auto out = args.value("out");
  if (!out || out->empty() || args.positional.empty()) {
    complain(localText(kUsage));
    return 2;
  }
  auto output = pathArg(*out);
  auto pictures = pathArgs(args.positional);
  if (!output || !pictures) return 2;
  Project project;
  FramePipe pipe = FramePipe::Raw;
  if (!pipeOption(args, &pipe)) return 2;
  if (!setVideoSize(project, args.value("size").value_or("1280x720"))) return 2;
  if (auto pause = args.value("pause"); pause && !setPause(project, *pause)) return 2;
  if (!setMotion(project, args.value("motion"), args.value("motion-strength"), args.value("fit")))
    return 2;
  if (!startCore()) return 1;
  setInfoSink([](const std::string& text) { complain(text); });

  auto caption = args.value("caption");
  std::optional<std::string> captionText;
  if (caption) {
    captionText = utf8ToGb18030(*caption);
    if (!captionText) {
      complain(localText("文字中有无法转换的字符。"));
      return 2;
    }
    project.settings.captionsOn = true;
  }
  if (!addPictures(project, *pictures)) return 1;
  if (captionText) setCaptions(project, *captionText);
  if (auto effect = args.value("effect"); effect && !setEffects(project, *effect)) return 2;
  if (!applyMusic(project, args) || !applyLogoAndCover(project, args)) return 2;
  if (!outputsClear(project, args, withMp4Ending(*output)) || !saveIfAsked(project, args)) return 1;
  return generateVideo(project, *output, pipe);
}

}  // namespace pictavo::cli
