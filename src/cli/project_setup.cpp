#include "cli/project_setup.h"

#include <cmath>
#include <cstdlib>

#include "cli/cli_support.h"
#include "effects/effect_names.h"
#include "effects/effect_table.h"
#include "music/mp3_analysis.h"
#include "project/effect_choice.h"
#include "project/pause_table.h"
#include "project/picture_list.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo::cli {
namespace {


// A whole number in lo..hi, the whole text.
bool parseInt(const std::string& text, int lo, int hi, int* value) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < lo || v > hi) return false;
  *value = static_cast<int>(v);
  return true;
}

}  // namespace

bool setVideoSize(Project& project, const std::string& sizeText) {
  int width = 0, height = 0;
  if (!parseCanvasSize(sizeText, &width, &height)) return false;
  if (!SizeList::customSizeAllowed(width, height)) {
    complain(localFormat("视频尺寸应在 128x128 到 3840x2160 之间: %s", sizeText.c_str()));
    return false;
  }
  int index = project.sizes.findSizeText(sizeText);
  if (index < 0) index = project.sizes.addCustom(width, height);
  project.settings.selectSize(project.sizes, index);
  return true;
}

bool setPause(Project& project, const std::string& secondsText) {
  char* end = nullptr;
  double seconds = std::strtod(secondsText.c_str(), &end);
  if (secondsText.empty() || *end != '\0' || !(seconds > 0 && seconds <= 60)) {
    complain(localFormat("停留时间应是 0 到 60 之间的秒数: %s", secondsText.c_str()));
    return false;
  }
  for (int i = 0; i < kPauseCount; ++i) {
    if (std::fabs(pauseSeconds(i) - seconds) < 1e-9) {
      project.settings.selectPause(i);
      return true;
    }
  }
  project.settings.applyPauseText(pauseText(static_cast<float>(seconds)));
  return true;
}

bool addPictures(Project& project, const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (static_cast<int>(project.pictures.size()) >= project.maxPictures) {
      complain(pictureLimitMessage(project));
      break;
    }
    addPicture(project, path);
  }
  if (!project.pictures.empty()) return true;
  complain(localText("没有可用的图片。"));
  return false;
}

bool setEffects(Project& project, const std::string& choice) {
  if (choice == "random") {
    seedEffectChoiceFromThread();
    for (ImageItem& item : project.pictures) item.setEffect(randomInRange(0, kLastRandomEffect));
    return true;
  }
  if (choice == "cycle") {
    std::vector<int> animated;
    for (int i = 0; i < kNoAnimation; ++i)
      if (findEffectRow(i)) animated.push_back(i);
    for (size_t k = 0; k < project.pictures.size(); ++k)
      project.pictures[k].setEffect(animated[k % animated.size()]);
    return true;
  }
  int index = 0;
  if (!parseInt(choice, 0, kNoAnimation, &index)) {
    complain(localFormat("效果应是 0 到 99 的编号、random 或 cycle: %s", choice.c_str()));
    return false;
  }
  for (ImageItem& item : project.pictures) item.setEffect(index);
  return true;
}

void setCaptions(Project& project, const std::string& text) {
  std::string kept = gb18030Prefix(text, kMaxCaptionTextBytes);
  if (kept.size() < text.size())
    complain(localFormat("文字太长，只使用前 %zu 个字节: %s", kMaxCaptionTextBytes, kept.c_str()));
  project.settings.captionsOn = true;
  for (ImageItem& item : project.pictures) {
    item.caption.mode = 1;
    item.caption.text = kept;
  }
}

bool addMusicTrack(Project& project, const std::string& path) {
  int rate = 0;
  float milliseconds = analyseMp3(path, &rate);
  if (milliseconds <= 0) {
    complain(localFormat("无法读取背景音乐(不是有效的 MP3 文件): %s", path.c_str()));
    return false;
  }
  project.settings.musicTracks.push_back({path, milliseconds, rate});
  project.settings.musicOn = true;
  return true;
}

bool setLogo(Project& project, const std::string& path, const std::string& locationText) {
  int location = 0;
  if (!parseInt(locationText, 0, 3, &location)) {
    complain(localFormat("图标位置应是 0(左上) 1(左下) 2(右上) 3(右下): %s", locationText.c_str()));
    return false;
  }
  project.settings.logoOn = true;
  project.settings.logoPath = path;
  project.settings.logoLocation = location;
  return true;
}

void setCover(Project& project, const std::string& path) {
  project.settings.coverOn = true;
  project.settings.coverPath = path;
}

}  // namespace pictavo::cli
