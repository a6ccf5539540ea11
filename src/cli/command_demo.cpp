// pictavo-cli demo: the main job on an embedded default. ImageMagick's built-in pictures
// become a short show at 1280 x 720 with several effects, captions, a logo, a generated
// music track and a cover, made by the same generation run as any project.
#include <filesystem>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/generate.h"
#include "cli/project_setup.h"
#include "imaging/image.h"
#include "platform/child_process.h"
#include "platform/external_tools.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "project/pause_table.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "video/temp_names.h"
#include "video/timeline.h"

namespace pictavo::cli {
namespace {

struct DemoPicture {
  const char* builtin;
  const char* file;
  int effect;
  const char* caption;  // UTF-8; empty for none
};

const DemoPicture kPictures[] = {
    {"logo:", "1.jpg", 31, "Pictavo 电子相册"},
    {"wizard:", "2.png", 0, ""},
    {"netscape:", "3.jpg", 25, "调色板"},
    {"wizard:", "4.jpg", 95, ""},
    {"granite:", "5.jpg", 57, "花岗岩"},
    {"logo:", "6.jpg", 41, ""},
};

// The built-in picture enlarged to fill most of the frame, written to `path`.
bool writeDemoPicture(const char* builtin, const std::string& path, int width, int height) {
  WandPtr picture = readBuiltinPicture(builtin, "#ffffff");
  if (!picture) return false;
  double w = static_cast<double>(MagickGetImageWidth(picture.get()));
  double h = static_cast<double>(MagickGetImageHeight(picture.get()));
  double scale = std::min(width * 0.9 / w, height * 0.9 / h);
  MagickResizeImage(picture.get(), static_cast<size_t>(w * scale), static_cast<size_t>(h * scale),
                    LanczosFilter, 1.0);
  return writeImageFile(picture.get(), path);
}

// A small tune of `seconds` made by the encoder's own generated sources, as MP3.
bool writeDemoMusic(const std::string& path, double seconds, std::string* error) {
  auto ffmpeg = findTool(kEncoderTool);
  auto target = toFsName(path);
  if (!ffmpeg || !target) {
    *error = gbk("找不到 ffmpeg，无法生成背景音乐。");
    return false;
  }
  SpawnRequest request;
  request.program = *ffmpeg;
  request.arguments = {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                       "aevalsrc=0.2*sin(2*PI*t*(262+65*floor(2*t-4*floor(t/2)))):s=44100",
                       "-t", strprintf("%.2f", seconds), "-ac", "2", "-c:a", "libmp3lame",
                       "-b:a", "128k", *target};
  auto child = ChildProcess::spawn(request, error);
  if (!child) return false;
  if (child->wait() == 0) return true;
  *error = gbk("生成背景音乐时出错: ") + utf8ToGb18030(child->errorOutput()).value_or("");
  return false;
}

// The demo's material folder, removed when the demo ends.
class MaterialFolder {
 public:
  MaterialFolder()
      : path_(joinPath(programFolders().temp, freeTempName(programFolders().temp, "demo-%d", 1, 99999))) {}
  ~MaterialFolder() {
    std::error_code ec;
    if (auto fs = toFsName(path_)) std::filesystem::remove_all(*fs, ec);
  }
  std::string file(const char* name) const { return joinPath(path_, name); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

bool buildDemo(Project& project, const MaterialFolder& folder) {
  setVideoSize(project, "1280x720");
  project.settings.selectPause(kDefaultPauseIndex);
  if (!makeFolders(folder.path())) {
    complain(gbk("无法创建文件夹: ") + folder.path());
    return false;
  }
  std::vector<std::string> paths;
  for (const DemoPicture& p : kPictures) {
    paths.push_back(folder.file(p.file));
    if (!writeDemoPicture(p.builtin, paths.back(), 1280, 720)) {
      complain(gbk("无法生成演示图片: ") + paths.back());
      return false;
    }
  }
  project.settings.captionsOn = true;
  project.settings.captionColour = 1;  // yellow text on a black band
  if (!addPictures(project, paths)) return false;
  for (size_t i = 0; i < project.pictures.size() && i < std::size(kPictures); ++i) {
    ImageItem& item = project.pictures[i];
    item.setEffect(kPictures[i].effect);
    item.caption.mode = *kPictures[i].caption ? 1 : 0;
    item.caption.text = gbk(kPictures[i].caption);
  }
  std::string logo = folder.file("logo.png"), cover = folder.file("cover.jpg");
  WandPtr badge = readBuiltinPicture("logo:", "#ffffff");
  WandPtr wizard = readBuiltinPicture("wizard:", "#ffffff");
  if (badge) MagickResizeImage(badge.get(), 160, 120, LanczosFilter, 1.0);
  if (!badge || !wizard || !writeImageFile(badge.get(), logo) || !writeImageFile(wizard.get(), cover)) {
    complain(gbk("无法生成演示图标或封面。"));
    return false;
  }
  setLogo(project, logo, "2");
  setCover(project, cover);

  std::string music = folder.file("music.mp3"), error;
  double seconds = countProjectFrames(project) / static_cast<double>(kFramesPerSecond);
  if (!writeDemoMusic(music, seconds, &error)) {
    complain(error);
    return false;
  }
  return addMusicTrack(project, music);
}

}  // namespace

int runDemo(const Args& args) {
  auto output = pathArg(args.value("out").value_or("demo.mp4"));
  if (!output || !args.positional.empty()) {
    complain(gbk("用法: pictavo-cli demo [-o 输出.mp4]"));
    return 2;
  }
  if (!startCore()) return 1;
  setInfoSink([](const std::string& text) { complain(text); });
  std::string error;
  if (!ensureProgramFolders(&error)) {
    complain(error);
    return 1;
  }
  MaterialFolder folder;
  Project project;
  if (!buildDemo(project, folder)) return 1;
  return generateVideo(project, *output);
}

}  // namespace pictavo::cli
