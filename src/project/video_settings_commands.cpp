#include "project/video_settings_commands.h"

#include "platform/files.h"
#include "platform/folders.h"
#include "project/pause_table.h"
#include "project/project_inputs.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

constexpr size_t kMenuPrefixBytes = 7;

StoredCaption storedCaption(const Project& project, int i, int twOpen) {
  int count = static_cast<int>(project.pictures.size());
  if (twOpen == 0 || i >= count) return {-1, -1, -1};
  const CaptionSpec& caption = project.pictures[i].caption;
  if (caption.mode == 0) return {0, 0, 0};
  return {caption.location, project.settings.captionFont, project.settings.captionColour};
}

bool inRange(int value, size_t count) { return value >= 0 && value < static_cast<int>(count); }

std::string fontText(const std::vector<CaptionFont>& fonts, int index) {
  return inRange(index, fonts.size()) ? gb18030Prefix(fonts[index].name, kFontNameBytes) : std::string();
}

// One picture's stored caption layout. A location, font or colour outside its list leaves
// that part of the caption as it was.
void applyStoredCaption(Project& project, ImageItem& picture, const StoredCaption& stored,
                        int twOpen, const std::vector<CaptionFont>& fonts) {
  ProjectSettings& s = project.settings;
  picture.caption.mode = twOpen;
  if (stored.location < kCaptionLocationCount) picture.caption.location = stored.location;
  if (!fonts.empty()) {
    if (inRange(stored.font, fonts.size())) s.captionFont = stored.font;
    picture.caption.fontName = fontText(fonts, s.captionFont);
  }
  if (inRange(stored.colour, kColourSchemeCount)) {
    s.captionColour = stored.colour;
    picture.caption.bandColour = colourScheme(stored.colour).band;
    picture.caption.textColour = colourScheme(stored.colour).text;
  }
}

void copyCaptionStyle(ImageItem& to, const ImageItem& from) {
  to.caption.mode = from.caption.mode;
  to.caption.bandColour = from.caption.bandColour;
  to.caption.textColour = from.caption.textColour;
  to.caption.fontName = from.caption.fontName;
}

// Effects and captions, picture by picture. The file holds ten pictures; the pictures after
// the last stored one (a negative index, or the eleventh) keep their effects and take the
// caption style of the picture before them.
void applyStoredPictures(Project& project, const VideoSettingsRecord& r, int twOpen,
                         const std::vector<CaptionFont>& fonts) {
  std::vector<ImageItem>& pictures = project.pictures;
  int count = static_cast<int>(pictures.size());
  if (r.animationIndex[0] < 0) return;
  for (int i = 0; i < count; ++i) {
    pictures[i].setEffect(r.animationIndex[i]);
    if (twOpen != 0 && r.tw[i].location >= 0)
      applyStoredCaption(project, pictures[i], r.tw[i], twOpen, fonts);
    bool lastStored = i + 1 >= kStoredPictures || r.animationIndex[i + 1] < 0;
    if (!lastStored) continue;
    for (int j = i + 1; j < count; ++j) copyCaptionStyle(pictures[j], pictures[j - 1]);
    return;
  }
}

void applyLogo(ProjectSettings& s, const VideoSettingsRecord& r) {
  s.logoOn = r.logoOpen == 1;
  s.logoLocation = s.logoOn && inRange(r.logoLocation, kLogoLocationCount) ? r.logoLocation
                                                                            : kDefaultLogoLocation;
  s.logoPath = s.logoOn ? r.logoPath : std::string();
}

// The size entry the stored text selects: the empty entry for no text, else the first
// entry that begins with it; unchanged when none does.
int storedSizeIndex(const Project& project, const std::string& text) {
  if (text.empty()) return 0;
  int index = project.sizes.findLabelPrefix(text);
  return index >= 0 ? index : project.settings.videoSize;
}

// The first pause entry that begins with the stored text; unchanged when none does or the
// file holds no pause.
int storedPauseIndex(const Project& project, const std::string& text) {
  for (int i = 0; !text.empty() && i < kPauseCount; ++i)
    if (pauseLabel(i).compare(0, text.size(), text) == 0) return i;
  return project.settings.pauseIndex;
}

AppliedVideoSettings appliedState(const Project& project, const std::string& bgsound) {
  const ProjectSettings& s = project.settings;
  return {s.captionsOn, s.captionFont, s.captionColour, s.videoSize, s.pauseIndex,
          s.logoOn,     s.logoLocation, s.logoPath,     bgsound};
}

}  // namespace

bool ensureSettingsFolder(UserMessage* error) {
  if (makeFolders(programFolders().settings)) return true;
  if (error) *error = errorMessage(localText("无法创建[sz]文件夹"));
  return false;
}

std::string withSettingsExtension(const std::string& chosen) {
  return endsWithNoCase(chosen, ".sz") ? chosen : chosen + ".sz";
}

VideoSettingsRecord gatherVideoSettings(const Project& project) {
  const ProjectSettings& s = project.settings;
  const std::vector<ImageItem>& pictures = project.pictures;
  int count = static_cast<int>(pictures.size());
  VideoSettingsRecord r;
  r.twOpen = count ? pictures.back().caption.mode : 0;
  for (int i = 0; i < kStoredPictures; ++i) {
    r.animationIndex[i] = i < count ? pictures[i].animationIndex : -1;
    r.tw[i] = storedCaption(project, i, r.twOpen);
  }
  r.videoSize = project.sizes.at(s.videoSize).label;
  r.pauseTime = pauseLabel(s.pauseIndex);
  r.bgsound = s.musicTracks.empty() ? std::string() : s.musicTracks.front().path;
  r.logoOpen = s.logoOn ? 1 : 0;
  r.logoLocation = s.logoOn ? s.logoLocation : -1;
  r.logoPath = s.logoOn ? s.logoPath : std::string();
  return r;
}

bool saveVideoSettings(const Project& project, const std::string& path, UserMessage* error) {
  // Like a project file, a settings file never lands on a FIFO, a device, a folder, one of
  // the project's inputs or the project file.
  if (std::string refusal = saveTargetRefusal(project, path, localText("视频设置"), true); !refusal.empty()) {
    if (error) *error = noticeMessage(refusal);
    return false;
  }
  if (writeVideoSettings(path, gatherVideoSettings(project))) return true;
  if (error) *error = errorMessage(localText("视频设置相关数据写入文件时出错"));
  return false;
}

AppliedVideoSettings applyVideoSettingsRecord(Project& project, const VideoSettingsRecord& r,
                                              const std::vector<CaptionFont>& fonts) {
  ProjectSettings& s = project.settings;
  // Without caption fonts there is no caption to switch on; the logo does not depend on them.
  int twOpen = fonts.empty() ? 0 : r.twOpen;
  s.captionsOn = twOpen == 1;
  for (ImageItem& picture : project.pictures) picture.caption.mode = s.captionsOn ? 1 : 0;
  applyStoredPictures(project, r, twOpen, fonts);
  applyLogo(s, r);
  int sizeIndex = storedSizeIndex(project, r.videoSize);
  int pauseIndex = storedPauseIndex(project, r.pauseTime);
  if (!fonts.empty()) {
    if (!inRange(s.captionFont, fonts.size())) s.captionFont = 0;
    for (ImageItem& picture : project.pictures)
      picture.caption.fontName = fontText(fonts, s.captionFont);
  }
  s.selectSize(project.sizes, sizeIndex);
  s.selectPause(pauseIndex);
  return appliedState(project, r.bgsound);
}

bool applyVideoSettings(Project& project, const std::string& path,
                        AppliedVideoSettings* applied, UserMessage* error) {
  VideoSettingsRecord record;
  if (!readVideoSettings(path, &record)) {
    if (error) *error = errorMessage(localText("加载视频设置文件出现错误"));
    return false;
  }
  if (isInsideFolder(path, programFolders().settings)) touchFile(path);
  AppliedVideoSettings state = applyVideoSettingsRecord(project, record, captionFonts());
  if (applied) *applied = state;
  return true;
}

bool applyNumberedVideoSettings(Project& project, const std::string& menuText,
                                AppliedVideoSettings* applied, UserMessage* error) {
  std::string name = menuText.size() > kMenuPrefixBytes ? menuText.substr(kMenuPrefixBytes) : "";
  std::string path = joinPath(programFolders().settings, name);
  if (name.empty() || !fileExists(path)) {
    if (error) *error = errorMessage(localFormat("视频设置文件:[%s]不存在", path.c_str()));
    return false;
  }
  return applyVideoSettings(project, path, applied, error);
}

}  // namespace pictavo
