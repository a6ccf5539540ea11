// pictavo-cli demo: the main job on an embedded default. The built-in demo project
// (video/demo_project.h) is made in a material folder of its own and rendered by the same
// generation run as any project.
#include <filesystem>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/generate.h"
#include "platform/folders.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/translate.h"
#include "video/demo_project.h"
#include "video/temp_names.h"

namespace pictavo::cli {
namespace {

// The demo's material folder, removed when the demo ends.
class MaterialFolder {
 public:
  MaterialFolder()
      : path_(joinPath(programFolders().temp, freeTempName(programFolders().temp, "demo-%d", 1, 99999))) {}
  ~MaterialFolder() {
    std::error_code ec;
    if (auto fs = toFsName(path_)) std::filesystem::remove_all(*fs, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

int runDemo(const Args& args) {
  auto output = pathArg(args.value("out").value_or("demo.mp4"));
  if (!output || !args.positional.empty()) {
    complain(localText("用法: pictavo-cli demo [-o 输出.mp4] [--pipe raw|mjpeg] [--tall]"));
    return 2;
  }
  FramePipe pipe = FramePipe::Raw;
  if (!pipeOption(args, &pipe)) return 2;
  if (!startCore()) return 1;
  setInfoSink([](const std::string& text) { complain(text); });
  std::string error;
  if (!ensureProgramFolders(&error)) {
    complain(error);
    return 1;
  }
  MaterialFolder folder;
  Project project;
  if (!buildDemoProject(project, folder.path(), &error,
                        args.has("tall") ? DemoShape::Tall : DemoShape::Wide)) {
    complain(error);
    return 1;
  }
  return generateVideo(project, *output, pipe);
}

}  // namespace pictavo::cli
