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

namespace {

// The position of `word` in `names`, or -1.
int indexOf(const std::vector<std::string>& names, const std::string& word) {
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == word) return static_cast<int>(i);
  return -1;
}

}  // namespace

bool setMotion(Project& project, const std::optional<std::string>& motion,
               const std::optional<std::string>& strength, const std::optional<std::string>& framing) {
  // In the order of the Motion and Framing numbers.
  static const std::vector<std::string> kMotions = {"off", "auto", "in", "out", "left", "right", "up", "down"};
  static const std::vector<std::string> kFramings = {"fit", "fill", "blur"};
  ProjectSettings& s = project.settings;
  if (motion) {
    int index = indexOf(kMotions, *motion);
    if (index < 0) {
      complain(localFormat("--motion 应是 off、auto、in、out、left、right、up 或 down: %s", motion->c_str()));
      return false;
    }
    s.motion = static_cast<Motion>(index);
  }
  if (strength) {
    char* end = nullptr;
    long percent = std::strtol(strength->c_str(), &end, 10);
    if (strength->empty() || *end != '\0' || percent < kMinMotionStrength || percent > kMaxMotionStrength) {
      complain(localFormat("--motion-strength 应是 4 到 20 之间的百分数: %s", strength->c_str()));
      return false;
    }
    s.motionStrength = static_cast<int>(percent);
  }
  if (framing) {
    int index = indexOf(kFramings, *framing);
    if (index < 0) {
      complain(localFormat("--fit 应是 fit、fill 或 blur: %s", framing->c_str()));
      return false;
    }
    s.framing = static_cast<Framing>(index);
  }
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

namespace {

// Seconds 0..30 as milliseconds.
bool parseFade(const std::string& text, int* milliseconds) {
  char* end = nullptr;
  double seconds = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(seconds >= 0 && seconds * 1000 <= kMaxFadeMs)) {
    complain(localFormat("淡入淡出的长度应是 0 到 30 之间的秒数: %s", text.c_str()));
    return false;
  }
  *milliseconds = static_cast<int>(std::lround(seconds * 1000));
  return true;
}

}  // namespace

bool setMusicStyle(Project& project, const Args& args) {
  ProjectSettings& s = project.settings;
  bool asked = args.has("beat") || args.has("level") || args.has("fade-in") || args.has("fade-out");
  if (asked && s.musicTracks.empty()) {
    complain(localText("--beat、--fade-in、--fade-out 和 --level 需要背景音乐。"));
    return false;
  }
  if (args.has("beat")) s.beatChanges = true;
  if (args.has("level")) s.levelTracks = true;
  if (auto fade = args.value("fade-in"); fade && !parseFade(*fade, &s.fadeInMs)) return false;
  if (auto fade = args.value("fade-out"); fade && !parseFade(*fade, &s.fadeOutMs)) return false;
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
