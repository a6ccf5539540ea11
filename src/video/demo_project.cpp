#include "video/demo_project.h"

#include <algorithm>

#include "imaging/image.h"
#include "music/mp3_analysis.h"
#include "platform/child_process.h"
#include "platform/external_tools.h"
#include "platform/files.h"
#include "project/pause_table.h"
#include "project/picture_list.h"
#include "project/size_list.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"
#include "video/timeline.h"

namespace pictavo {
namespace {

constexpr int kWidth = 1280, kHeight = 720;
constexpr int kLogoTopRight = 2;

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
bool writeDemoPicture(const char* builtin, const std::string& path) {
  WandPtr picture = readBuiltinPicture(builtin, "#ffffff");
  if (!picture) return false;
  double w = static_cast<double>(MagickGetImageWidth(picture.get()));
  double h = static_cast<double>(MagickGetImageHeight(picture.get()));
  double scale = std::min(kWidth * 0.9 / w, kHeight * 0.9 / h);
  MagickResizeImage(picture.get(), static_cast<size_t>(w * scale), static_cast<size_t>(h * scale),
                    LanczosFilter, 1.0);
  return writeImageFile(picture.get(), path);
}

// A small tune of `seconds` made by the encoder's own generated sources, as MP3.
bool writeDemoMusic(const std::string& path, double seconds, std::string* error) {
  auto ffmpeg = findTool(kEncoderTool);
  auto target = toFsName(path);
  if (!ffmpeg || !target) {
    *error = localText("找不到 ffmpeg，无法生成背景音乐。");
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
  *error = localFormat("生成背景音乐时出错: %s",
                       utf8ToGb18030(child->errorOutput()).value_or("").c_str());
  return false;
}

bool addDemoPictures(Project& project, const std::string& folder, std::string* error) {
  for (const DemoPicture& p : kPictures) {
    std::string path = joinPath(folder, p.file);
    if (!writeDemoPicture(p.builtin, path)) {
      *error = localFormat("无法生成演示图片: %s", path.c_str());
      return false;
    }
    if (!addPicture(project, path)) continue;
    ImageItem& item = project.pictures.back();
    item.setEffect(p.effect);
    item.caption.mode = *p.caption ? 1 : 0;
    item.caption.text = gbk(p.caption);
  }
  if (!project.pictures.empty()) return true;
  *error = localText("没有可用的图片。");
  return false;
}

bool addLogoAndCover(Project& project, const std::string& folder, std::string* error) {
  std::string logo = joinPath(folder, "logo.png"), cover = joinPath(folder, "cover.jpg");
  WandPtr badge = readBuiltinPicture("logo:", "#ffffff");
  WandPtr wizard = readBuiltinPicture("wizard:", "#ffffff");
  if (badge) MagickResizeImage(badge.get(), 160, 120, LanczosFilter, 1.0);
  if (!badge || !wizard || !writeImageFile(badge.get(), logo) || !writeImageFile(wizard.get(), cover)) {
    *error = localText("无法生成演示图标或封面。");
    return false;
  }
  project.settings.logoOn = true;
  project.settings.logoPath = logo;
  project.settings.logoLocation = kLogoTopRight;
  project.settings.coverOn = true;
  project.settings.coverPath = cover;
  return true;
}

bool addDemoMusic(Project& project, const std::string& folder, std::string* error) {
  std::string music = joinPath(folder, "music.mp3");
  double seconds = countProjectFrames(project) / static_cast<double>(kFramesPerSecond);
  if (!writeDemoMusic(music, seconds, error)) return false;
  int rate = 0;
  float milliseconds = analyseMp3(music, &rate);
  if (milliseconds <= 0) {
    *error = localFormat("无法读取背景音乐(不是有效的 MP3 文件): %s", music.c_str());
    return false;
  }
  project.settings.musicTracks.push_back({music, milliseconds, rate});
  project.settings.musicOn = true;
  return true;
}

}  // namespace

bool buildDemoProject(Project& project, const std::string& folder, std::string* error,
                      DemoShape shape) {
  if (!makeFolders(folder)) {
    *error = localFormat("无法创建文件夹: %s", folder.c_str());
    return false;
  }
  const bool tall = shape == DemoShape::Tall;
  project.settings.selectSize(project.sizes, project.sizes.findSizeText(tall ? "720x1280" : "1280x720"));
  project.settings.motion = Motion::Auto;
  if (tall) project.settings.framing = Framing::Fill;
  project.settings.selectPause(kDefaultPauseIndex);
  project.settings.captionsOn = true;
  project.settings.captionColour = 1;  // yellow text on a black band
  return addDemoPictures(project, folder, error) && addLogoAndCover(project, folder, error) &&
         addDemoMusic(project, folder, error);
}

}  // namespace pictavo
