// Writing the project file, and the changed test that compares with it.
#include "project/project_file.h"

#include <cjson/cJSON.h>

#include <memory>

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/local_time.h"
#include "project/effect_choice.h"
#include "project/picture_list.h"
#include "project/project_inputs.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

struct JsonDeleter {
  void operator()(cJSON* item) const { cJSON_Delete(item); }
};
using JsonPtr = std::unique_ptr<cJSON, JsonDeleter>;

// Tries for a free name in the pics folder; a clash needs the same second and the same
// number out of 20001, so the bound is only there to rule out an endless loop.
constexpr int kNameAttempts = 1000;

void addNumber(cJSON* object, const char* key, int value) {
  cJSON_AddItemToObject(object, key, cJSON_CreateNumber(value));
}

// Strings go in as the program holds them (GBK): cJSON copies bytes from 0x80 up unescaped.
void addString(cJSON* object, const char* key, const std::string& value) {
  cJSON_AddItemToObject(object, key, cJSON_CreateString(value.c_str()));
}

cJSON* pictureObject(const ImageItem& picture) {
  cJSON* object = cJSON_CreateObject();
  addString(object, "path", picture.path);
  addNumber(object, "animationIndex", picture.animationIndex);
  addString(object, "animationName", picture.animationName);
  addString(object, "fileName", picture.fileName);
  addNumber(object, "watermark_location", picture.caption.location);
  addString(object, "watermark_text", picture.caption.text);
  addNumber(object, "turnAngle", picture.turnAngle);
  // Keys older files lack are written only when they say something, so such files save again
  // byte for byte.
  if (picture.motion != kMotionOfProject) addNumber(object, "motion", picture.motion);
  return object;
}

// The newer music options, each only when it is not at its default, so that a project
// that does not use them is written exactly as before they existed.
void addMusicStyle(cJSON* r, const ProjectSettings& s) {
  if (s.beatChanges) addNumber(r, "bgsound_beat_changes", 1);
  if (s.fadeInMs > 0) addNumber(r, "bgsound_fade_in_ms", s.fadeInMs);
  if (s.fadeOutMs > 0) addNumber(r, "bgsound_fade_out_ms", s.fadeOutMs);
  if (s.levelTracks) addNumber(r, "bgsound_level", 1);
}

std::string videoSizeText(const ProjectSettings& s) {
  return s.videoSize == 0 ? std::string() : strprintf("%dx%d", s.width, s.height);
}

// The top-level object, keys in the order of the file format.
JsonPtr documentTree(const Project& project) {
  const ProjectSettings& s = project.settings;
  JsonPtr root(cJSON_CreateObject());
  cJSON* r = root.get();
  addNumber(r, "text_watermark", s.captionsOn ? 1 : 0);
  addNumber(r, "text_watermark_font", s.captionFont);
  addNumber(r, "text_watermark_font_size", s.captionFontSize);
  addNumber(r, "text_watermark_color", s.captionColour);
  addNumber(r, "logo", s.logoOn ? 1 : 0);
  addString(r, "logo_path", s.logoPath);
  addNumber(r, "logo_location", s.logoLocation);
  addNumber(r, "bgsound", s.musicOn ? 1 : 0);
  addNumber(r, "bgsound_auto_set_pause_time", s.autoPause ? 1 : 0);
  addNumber(r, "bgsound_auto_set_image_loop_play", s.loopPictures ? 1 : 0);
  addMusicStyle(r, s);
  addNumber(r, "cover", s.coverOn ? 1 : 0);
  addString(r, "cover_path", s.coverPath);
  addString(r, "video_size", videoSizeText(s));
  addNumber(r, "pause_time", s.pauseIndex);
  cJSON* tracks = cJSON_AddArrayToObject(r, "bgsound_items");
  for (const MusicTrack& track : s.musicTracks)
    cJSON_AddItemToArray(tracks, cJSON_CreateString(track.path.c_str()));
  cJSON* pictures = cJSON_AddArrayToObject(r, "imgs");
  for (const ImageItem& picture : project.pictures)
    cJSON_AddItemToArray(pictures, pictureObject(picture));
  if (s.motion != Motion::Off) addNumber(r, "motion", static_cast<int>(s.motion));
  if (s.motionStrength != kDefaultMotionStrength) addNumber(r, "motion_strength", s.motionStrength);
  if (s.framing != Framing::Fit) addNumber(r, "framing", static_cast<int>(s.framing));
  return root;
}

std::string printed(const JsonPtr& tree) {
  char* text = cJSON_Print(tree.get());
  if (!text) return std::string();
  std::string result(text);
  cJSON_free(text);
  return result;
}

// "%Y-%m-%d-%H-%M-%S-<10000..30000>.<extension>" in the pics folder, not yet taken.
std::string freePicsName(const std::string& oldPath) {
  std::string extension = extensionOf(oldPath);
  if (extension.empty()) extension = "jpg";
  const std::string& pics = programFolders().pics;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = strprintf("%s-%d.%s", localTimeText("%Y-%m-%d-%H-%M-%S").c_str(),
                                 randomInRange(10000, 30000), extension.c_str());
    std::string path = joinPath(pics, name);
    if (!fileExists(path) && !folderExists(path)) return path;
  }
  return joinPath(pics, "unavailable");
}

// Copies a picture kept in the temporary folder into pics and points the picture at the copy.
bool copyIntoPics(ImageItem& picture, UserMessage* error) {
  std::string copy = freePicsName(picture.path);
  auto data = readWholeFile(picture.path);
  bool copied = data && makeFolders(programFolders().pics) && !fileExists(copy) &&
                replaceFileAtomically(copy, *data);
  if (!copied) {
    if (error)
      *error = errorMessage(localFormat("图片 '%s' 复制到 pics 文件夹 '%s' 发生错误, 请联系客服。",
                                       picture.path.c_str(), copy.c_str()));
    return false;
  }
  picture.path = copy;
  picture.fileName = baseName(copy);
  return true;
}

}  // namespace

std::string projectDocument(const Project& project) { return printed(documentTree(project)); }

std::optional<std::string> serialiseProject(Project& project, bool copyTemporaryPictures,
                                            UserMessage* error) {
  if (copyTemporaryPictures) {
    // Any window's work folder counts: all of them go when their window ends.
    const std::string& temp = programFolders().sharedTemp;
    for (ImageItem& picture : project.pictures) {
      if (isInsideFolder(picture.path, temp) && !copyIntoPics(picture, error))
        return std::nullopt;
    }
  }
  return projectDocument(project);
}

bool saveProject(Project& project, const std::string& path, UserMessage* error) {
  // Refused before anything is written: a FIFO, device or folder at the path, or one of
  // the project's own pictures, cover, logo or music tracks.
  if (std::string refusal = saveTargetRefusal(project, path, localText("项目"), false); !refusal.empty()) {
    if (error) *error = noticeMessage(refusal);
    return false;
  }
  std::optional<std::string> document = serialiseProject(project, true, error);
  if (!document) return false;
  ReplaceFailure failure = ReplaceFailure::None;
  if (!replaceFileAtomically(path, *document, &failure)) {
    if (error)
      *error = errorMessage(failure == ReplaceFailure::NotCreated
                                ? localText("写入文件时出错，文件句柄打开出错")
                                : localText("写入文件时出错"));
    return false;
  }
  project.path = path;
  return true;
}

// The file as this program reads it, compared with the project now: line endings, blanks,
// key order and keys left at their defaults (a file written by hand or by another tool) do
// not count. Pictures are taken by path without reading them again, and tracks keep the
// lengths the project knows.
bool projectChanged(const Project& project) {
  if (project.pictures.empty()) return false;
  if (project.path.empty()) return true;
  std::optional<std::string> saved = readWholeFile(project.path);
  if (!saved) return true;
  ProjectReadHooks byPath;
  byPath.addPicture = [](Project& read, const std::string& path) {
    return addPreparedPicture(read, PreparedPicture{path, true, "", {}});
  };
  byPath.analyseTrack = [&project](const std::string& path, int* sampleRate) {
    for (const MusicTrack& track : project.settings.musicTracks)
      if (track.path == path) {
        *sampleRate = track.sampleRate;
        return track.durationMs;
      }
    return 1.0f;  // a track the project does not hold: kept, so that it counts as a change
  };
  Project asRead;
  asRead.maxPictures = project.maxPictures;
  if (!applyProjectDocument(asRead, *saved, nullptr, byPath)) return true;
  return projectDocument(asRead) != projectDocument(project);
}

std::string loadingPicturesText(int number, int total) {
  return localFormat("加载图片: %d / %d", number, total);
}

}  // namespace pictavo
