// Reading a project file into the project: its tracks, its pictures, then its options.
#include <cjson/cJSON.h>

#include <algorithm>
#include <memory>

#include "imaging/caption_fonts.h"
#include "platform/files.h"
#include "platform/user_file.h"
#include "project/pause_table.h"
#include "project/picture_list.h"
#include "project/project_file.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// Far above any real project (1000 pictures take well under a megabyte); a bigger file is
// refused before it can exhaust memory.
constexpr size_t kMaxProjectFileBytes = 64u << 20;

struct JsonDeleter {
  void operator()(cJSON* item) const { cJSON_Delete(item); }
};
using JsonPtr = std::unique_ptr<cJSON, JsonDeleter>;

UserMessage formatError() { return noticeMessage(localText("文件格式不对！")); }

// Typed access to one object of the document. A key this program writes with one JSON type
// but finds with another reads as absent and marks the document as malformed.
class Fields {
 public:
  Fields(const cJSON* object, bool* malformed) : object_(object), malformed_(malformed) {}

  std::optional<int> number(const char* key) const {
    const cJSON* item = find(key, cJSON_IsNumber);
    return item ? std::optional<int>(item->valueint) : std::nullopt;
  }

  std::optional<std::string> text(const char* key) const {
    const cJSON* item = find(key, cJSON_IsString);
    return item ? std::optional<std::string>(item->valuestring) : std::nullopt;
  }

  const cJSON* array(const char* key) const { return find(key, cJSON_IsArray); }

 private:
  const cJSON* find(const char* key, cJSON_bool (*isType)(const cJSON*)) const {
    const cJSON* item = cJSON_GetObjectItem(object_, key);
    if (!item) return nullptr;
    if (isType(item)) return item;
    *malformed_ = true;
    return nullptr;
  }

  const cJSON* object_;
  bool* malformed_;
};

ProjectReadHooks withDefaults(const ProjectReadHooks& hooks) {
  ProjectReadHooks h = hooks;
  if (!h.addPicture)
    h.addPicture = [](Project& project, const std::string& path) {
      return addPicture(project, path);
    };
  if (!h.analyseTrack) h.analyseTrack = [](const std::string&, int*) { return 0.0f; };
  if (!h.progress) h.progress = [](int, int) {};
  return h;
}

// Music: MP3 files with a duration are kept; every other entry is dropped silently.
void readTracks(Project& project, const cJSON* items, const ProjectReadHooks& hooks,
                bool* malformed) {
  const cJSON* item;
  cJSON_ArrayForEach(item, items) {
    if (!cJSON_IsString(item)) {
      *malformed = true;
      continue;
    }
    std::string path = item->valuestring;
    if (!endsWithNoCase(path, ".mp3")) continue;
    int sampleRate = 0;
    float durationMs = hooks.analyseTrack(path, &sampleRate);
    if (durationMs > 0) project.settings.musicTracks.push_back({path, durationMs, sampleRate});
  }
}

// The stored fields of a picture that was added. The effect name always follows the index,
// so a file cannot label a picture with another effect than the one it plays.
void applyPictureFields(ImageItem& picture, const Fields& stored) {
  if (auto index = stored.number("animationIndex")) picture.setEffect(*index);
  stored.text("animationName");  // checked for its type only
  if (auto name = stored.text("fileName")) picture.fileName = *name;
  if (auto location = stored.number("watermark_location"))
    picture.caption.location = *location >= 0 && *location < kCaptionLocationCount
                                   ? *location
                                   : kDefaultCaptionLocation;
  if (auto text = stored.text("watermark_text"))
    picture.caption.text = gb18030Prefix(*text, kMaxCaptionTextBytes);
  picture.turnAngle = stored.number("turnAngle").value_or(0);
  int motion = stored.number("motion").value_or(kMotionOfProject);
  picture.motion = motion >= 0 && motion < kMotionCount ? motion : kMotionOfProject;
}

// The framing and motion keys that older files lack; a value out of range reads as the default.
void applyViewOptions(ProjectSettings& s, const Fields& f) {
  int motion = f.number("motion").value_or(0);
  s.motion = motion >= 0 && motion < kMotionCount ? static_cast<Motion>(motion) : Motion::Off;
  int strength = f.number("motion_strength").value_or(kDefaultMotionStrength);
  s.motionStrength = strength >= kMinMotionStrength && strength <= kMaxMotionStrength
                         ? strength
                         : kDefaultMotionStrength;
  int framing = f.number("framing").value_or(0);
  s.framing = framing >= 0 && framing < kFramingCount ? static_cast<Framing>(framing) : Framing::Fit;
}

void readPictures(Project& project, const cJSON* entries, const ProjectReadHooks& hooks,
                  bool* malformed) {
  int total = cJSON_GetArraySize(entries);
  int number = 0;
  const cJSON* entry;
  cJSON_ArrayForEach(entry, entries) {
    hooks.progress(++number, total);
    Fields stored(entry, malformed);
    std::optional<std::string> path = cJSON_IsObject(entry) ? stored.text("path") : std::nullopt;
    if (!path) {
      *malformed = true;
      continue;
    }
    bool wasFull = static_cast<int>(project.pictures.size()) >= project.maxPictures;
    if (hooks.addPicture(project, *path))
      applyPictureFields(project.pictures.back(), stored);
    else if (wasFull)
      break;  // the refusal has been reported once; the rest would only repeat it
  }
}

// The caption check box and what checking it does: without caption fonts it stays off.
void applyCaptionSwitch(Project& project, bool on) {
  project.settings.captionsOn = on && !captionFonts().empty();
  for (ImageItem& picture : project.pictures)
    picture.caption.mode = project.settings.captionsOn ? 1 : 0;
}

// The font list; an index this machine's fonts do not reach selects the first font.
void applyCaptionFont(Project& project, int index) {
  const auto& fonts = captionFonts();
  bool listed = index >= 0 && index < static_cast<int>(fonts.size());
  int chosen = listed ? index : 0;
  project.settings.captionFont = chosen;
  std::string name = fonts.empty() ? std::string() : gb18030Prefix(fonts[chosen].name, kFontNameBytes);
  for (ImageItem& picture : project.pictures) picture.caption.fontName = name;
}

void applyCaptionColour(Project& project, int index) {
  ProjectSettings& s = project.settings;
  s.captionColour = index >= 0 && index < kColourSchemeCount ? index : kDefaultColourScheme;
  for (ImageItem& picture : project.pictures) {
    picture.caption.bandColour = colourScheme(s.captionColour).band;
    picture.caption.textColour = colourScheme(s.captionColour).text;
  }
}

// "" selects the empty entry; a listed size text selects its entry; any other valid size
// is added to the list. A text that is not a size selects the empty entry.
void applyVideoSize(Project& project, const std::string& text) {
  int index = text.empty() ? 0 : project.sizes.findSizeText(text);
  int width = 0, height = 0;
  if (index < 0 && SizeList::parseSizeText(text, &width, &height) &&
      strprintf("%dx%d", width, height) == text && SizeList::customSizeAllowed(width, height))
    index = project.sizes.addCustom(width, height);
  project.settings.selectSize(project.sizes, index < 0 ? 0 : index);
}

// The newer music options; a file without them leaves them off.
void applyMusicStyle(ProjectSettings& s, const Fields& f) {
  auto fade = [&f](const char* key) { return std::clamp(f.number(key).value_or(0), 0, kMaxFadeMs); };
  s.beatChanges = f.number("bgsound_beat_changes").value_or(0) != 0;
  s.fadeInMs = fade("bgsound_fade_in_ms");
  s.fadeOutMs = fade("bgsound_fade_out_ms");
  s.levelTracks = f.number("bgsound_level").value_or(0) != 0;
}

// The options in the file's order. Stops with false at the first required key that is
// missing; the options before it stay applied.
bool applyOptions(Project& project, const Fields& f) {
  ProjectSettings& s = project.settings;
  std::optional<int> v;
  if (!(v = f.number("text_watermark"))) return false;
  applyCaptionSwitch(project, *v != 0);
  if (!(v = f.number("text_watermark_font"))) return false;
  applyCaptionFont(project, *v);
  v = f.number("text_watermark_font_size");
  s.captionFontSize = v && *v >= 0 && *v < kCaptionPointSizeCount ? *v
                                                                    : kDefaultCaptionPointSizeIndex;
  if (!(v = f.number("text_watermark_color"))) return false;
  applyCaptionColour(project, *v);
  if (!(v = f.number("logo"))) return false;
  s.logoOn = *v != 0;
  if (auto path = f.text("logo_path")) s.logoPath = *path;
  if (!(v = f.number("logo_location"))) return false;
  s.logoLocation = *v >= 0 && *v < kLogoLocationCount ? *v : kDefaultLogoLocation;
  if (!(v = f.number("bgsound"))) return false;
  s.musicOn = *v != 0;
  if (!(v = f.number("bgsound_auto_set_pause_time"))) return false;
  s.autoPause = *v != 0;
  s.loopPictures = f.number("bgsound_auto_set_image_loop_play").value_or(0) != 0;
  applyMusicStyle(s, f);
  s.coverOn = f.number("cover").value_or(0) != 0;
  if (auto path = f.text("cover_path")) s.coverPath = *path;
  std::optional<std::string> size = f.text("video_size");
  if (!size) return false;
  applyVideoSize(project, *size);
  if (!(v = f.number("pause_time"))) return false;
  s.selectPause(*v >= 0 && *v < kPauseCount ? *v : kDefaultPauseIndex);
  applyViewOptions(s, f);
  return true;
}

// The whole file; the three read failures each have their message.
std::optional<std::string> readProjectText(const std::string& path, UserMessage* message) {
  UserFileOpening opening = openUserFile(path);
  FilePtr file = std::move(opening.file);
  if (!file) {
    // A folder, FIFO or device opens but cannot be read as a file.
    bool opened = opening.refusal != UserFileRefusal::CannotOpen;
    *message = noticeMessage(opened ? localText("读取文件时出错") : localText("读取文件时出错, 无法打开文件句柄"));
    return std::nullopt;
  }
  std::string text;
  char buffer[65536];
  size_t n;
  while (text.size() <= kMaxProjectFileBytes &&
         (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    text.append(buffer, n);
  if (std::ferror(file.get()) || text.size() > kMaxProjectFileBytes) {
    *message = noticeMessage(localText("读取文件时出错"));
    return std::nullopt;
  }
  if (text.empty()) {
    *message = noticeMessage(localText("读取文件时出错，这是一个空白文件。"));
    return std::nullopt;
  }
  return text;
}

}  // namespace

bool applyProjectDocument(Project& project, const std::string& text, UserMessage* message,
                          const ProjectReadHooks& hooks) {
  UserMessage ignored;
  UserMessage& out = message ? *message : ignored;
  JsonPtr root(cJSON_Parse(text.c_str()));
  if (!root) {
    out = formatError();
    return false;
  }
  ProjectReadHooks h = withDefaults(hooks);
  bool malformed = false;
  Fields top(root.get(), &malformed);
  if (const cJSON* tracks = top.array("bgsound_items")) readTracks(project, tracks, h, &malformed);
  if (const cJSON* pictures = top.array("imgs")) readPictures(project, pictures, h, &malformed);
  bool complete = applyOptions(project, top);
  if (!complete || malformed) {
    out = formatError();
    return false;
  }
  return true;
}

bool openProject(Project& project, const std::string& path, UserMessage* message,
                 const ProjectReadHooks& hooks) {
  UserMessage ignored;
  UserMessage& out = message ? *message : ignored;
  project.clear();
  std::optional<std::string> text = readProjectText(path, &out);
  if (!text || !applyProjectDocument(project, *text, &out, hooks)) return false;
  project.path = path;
  return true;
}

}  // namespace pictavo
