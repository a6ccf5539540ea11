#include "video/generation_checks.h"

#include <algorithm>

#include "imaging/image.h"
#include "platform/external_tools.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/local_time.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

ProjectCheck refuse(std::string message, const char* captionUtf8, CheckFocus focus) {
  ProjectCheck check;
  check.ok = false;
  check.message = std::move(message);
  check.caption = localText(captionUtf8);
  check.focus = focus;
  return check;
}

bool checkLogo(const Project& project, ProjectCheck* refusal) {
  const ProjectSettings& s = project.settings;
  if (!s.logoOn || s.logoPath.empty()) return true;
  if (!fileExists(s.logoPath)) {
    *refusal = refuse(localText("选择的图标文件不存在，请重新选择"), translatable("提示"), CheckFocus::LogoPanel);
    return false;
  }
  PictureHeader header;
  if (!probePictureHeader(s.logoPath, &header) || (header.type != "PNG" && header.type != "JPEG")) {
    *refusal = refuse(localText("选中的文件格式不受支持，请选择 PNG 或 JPG 格式的图片。"), translatable("错误"),
                      CheckFocus::LogoPanel);
    return false;
  }
  if (header.width > s.width || header.height > s.height) {
    *refusal = refuse(localFormat("选择的图标尺寸过大(%d x %d)，请选择一个不大于 %d x %d 的图标。",
                                header.width, header.height, s.width, s.height),
                      translatable("提示"), CheckFocus::LogoPanel);
    return false;
  }
  return true;
}

bool checkMusic(const Project& project, ProjectCheck* result) {
  const ProjectSettings& s = project.settings;
  if (!s.musicOn || s.musicTracks.empty()) return true;
  for (size_t i = 0; i < s.musicTracks.size(); ++i) {
    const MusicTrack& track = s.musicTracks[i];
    if (fileExists(track.path)) continue;
    *result = refuse(localFormat("背景音乐 [%s] 已不存在，请重新选择。",
                               baseName(track.path).c_str()),
                     translatable("提示"), CheckFocus::MusicList);
    result->musicTrack = static_cast<int>(i);
    return false;
  }
  std::string note;
  resolveSampleRate(s.musicTracks, &result->sampleRate, &note);
  if (!note.empty()) infoLog(note);
  return true;
}

bool checkCover(const Project& project, ProjectCheck* refusal) {
  const ProjectSettings& s = project.settings;
  if (!s.coverOn || s.coverPath.empty()) return true;
  const char* caption = translatable("提示 - 设置封面");
  if (!fileExists(s.coverPath)) {
    *refusal = refuse(localFormat("封面图片 %s 不存在，请重新选择。", s.coverPath.c_str()),
                      caption, CheckFocus::CoverPanel);
    return false;
  }
  if (!readPicture(s.coverPath, "#ffffff")) {
    *refusal = refuse(localFormat("封面图片 %s 不是一个有效的图片，请重新选择。",
                                s.coverPath.c_str()),
                      caption, CheckFocus::CoverPanel);
    return false;
  }
  if (!findTool(kCoverTool)) {
    *refusal = refuse(missingCoverToolMessage(), caption, CheckFocus::CoverPanel);
    return false;
  }
  return true;
}

}  // namespace

ProjectCheck checkProject(const Project& project) {
  if (project.settings.videoSize == 0)
    return refuse(localText("请选择视频尺寸"), translatable("提示"), CheckFocus::SizeList);
  ProjectCheck result;
  if (!checkLogo(project, &result)) return result;
  result.sampleRate = -1;
  if (!checkMusic(project, &result)) return result;
  if (!checkCover(project, &result)) return result;
  return result;
}

bool resolveSampleRate(const std::vector<MusicTrack>& tracks, int* rate, std::string* note) {
  *rate = -1;
  if (tracks.size() < 2) return true;
  size_t i = 1;
  while (i < tracks.size() && tracks[i].sampleRate == tracks[0].sampleRate) ++i;
  if (i == tracks.size()) return true;
  if (tracks.size() == 2 && tracks[1].sampleRate > tracks[0].sampleRate) {
    *rate = tracks[1].sampleRate;
    return true;
  }
  std::vector<int> remaining = {44100, 48000, 32000, 24000, 22050};
  for (const MusicTrack& track : tracks) {
    auto found = std::find(remaining.begin(), remaining.end(), track.sampleRate);
    if (found != remaining.end()) remaining.erase(found);
  }
  if (!remaining.empty()) {
    *rate = remaining.front();
    return true;
  }
  // Every rate of the list is taken: the encoder resamples all tracks to one rate instead.
  *rate = kResampledRate;
  *note = localFormat("背景音乐的采样率各不相同（[%s] %dHz，[%s] %dHz 等），视频中的音乐已统一转换为 %dHz。",
                      baseName(tracks[i - 1].path).c_str(), tracks[0].sampleRate,
                      baseName(tracks[i].path).c_str(), tracks[i].sampleRate, kResampledRate);
  return true;
}

std::string missingCoverToolMessage() {
  return localFormat("没有找到 AtomicParsley，请安装 AtomicParsley，或把它放进 %s 文件夹。",
                   programFolders().tool.c_str());
}

std::string missingPicturesMessage(const Project& project) {
  constexpr size_t kNamed = 10;
  std::vector<std::string> missing;
  for (const ImageItem& item : project.pictures) {
    if (!fileExists(item.path)) missing.push_back(item.path);
  }
  if (missing.empty()) return "";
  std::string text = localText("下列图片文件已不存在，请把它们从列表中删除或重新添加：");
  for (size_t i = 0; i < missing.size() && i < kNamed; ++i) text += "\n" + missing[i];
  if (missing.size() > kNamed)
    text += localFormat("\n…… 共 %d 个文件", static_cast<int>(missing.size()));
  return text;
}

std::string defaultOutputName(const Project& project, int namingRule, std::time_t now) {
  if (namingRule == 1) return localTimeText("%Y_%m_%d_%H%M%S", now);
  if (namingRule == 2 && !project.pictures.empty()) return stemOf(project.pictures.front().path);
  return "";
}

std::string withMp4Ending(const std::string& name) {
  return endsWithNoCase(name, ".mp4") ? name : name + ".mp4";
}

}  // namespace pictavo
