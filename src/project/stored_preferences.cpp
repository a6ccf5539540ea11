#include "project/stored_preferences.h"

#include "platform/files.h"
#include "platform/folders.h"

namespace pictavo {
namespace {

namespace names = preference_names;

constexpr float kCentreBottomFallback = 0.15001f;
constexpr float kEdgeFallback = 0.06001f;
constexpr int kLoopStartMissing = 31;      // "淡入淡出"
constexpr int kLoopStartOutOfRange = 33;   // "顺逆时针方向同时展开"
constexpr int kLastEffectValue = 99;

// A stored folder that still exists, else the fallback.
std::string folderOrDefault(const PreferencesStore& store, const char* name,
                            const std::string& fallback) {
  std::string folder;
  return store.readString(name, &folder) && folderExists(folder) ? folder : fallback;
}

// A number with default 0 that is written as 0 when missing.
int numberWrittenWhenMissing(PreferencesStore& store, const char* name) {
  int32_t value = 0;
  if (store.readNumber(name, &value)) return value;
  store.writeNumber(name, 0);
  return 0;
}

// A margin strictly between 0 and 0.5, else the fallback (also when missing).
float margin(const PreferencesStore& store, const char* name, float fallback) {
  int32_t stored = 0;
  if (!store.readNumber(name, &stored)) return fallback;
  float fraction = marginFromStored(stored);
  return fraction > 0.0f && fraction < 0.5f ? fraction : fallback;
}

int loopStartEffect(const PreferencesStore& store) {
  int32_t stored = 0;
  if (!store.readNumber(names::kLoopStartEffect, &stored)) return kLoopStartMissing;
  return static_cast<uint32_t>(stored) > kLastEffectValue ? kLoopStartOutOfRange : stored;
}

// Keeps a number preference in memory and in the store.
void keepNumber(int& field, PreferencesStore& store, const char* name, int value) {
  field = value;
  store.writeNumber(name, value);
}

// Only a stored 1 asks for the MJPEG pipe; a missing value is not written, so a store that
// never chose keeps no trace of the choice.
FramePipe framePipe(const PreferencesStore& store) {
  int32_t stored = 0;
  return store.readNumber(names::kFramePipe, &stored) && stored == 1 ? FramePipe::Mjpeg
                                                                     : FramePipe::Raw;
}

}  // namespace

PreferenceFolders preferenceFolders() {
  const ProgramFolders& program = programFolders();
  return {desktopFolder(), program.music, program.projects, program.videos};
}

Preferences loadPreferences(PreferencesStore& store, const PreferenceFolders& folders) {
  Preferences p;
  p.imageFolder = folderOrDefault(store, names::kImageFolder, folders.desktop);
  p.musicFolder = folders.music;  // the music chooser always starts in the mp3 folder
  p.projectFolder = folderOrDefault(store, names::kProjectFolder, folders.projects);
  makeFolders(p.projectFolder);
  p.videoFolder = folderOrDefault(store, names::kVideoFolder, folders.videos);
  makeFolders(p.videoFolder);
  p.logoFolder = folderOrDefault(store, names::kLogoFolder, folders.desktop);
  p.importFolder = folderOrDefault(store, names::kImportFolder, folders.desktop);
  p.backgroundFill = numberWrittenWhenMissing(store, names::kBackgroundFill);
  p.defaultFileName = numberWrittenWhenMissing(store, names::kDefaultFileName);
  p.margins.centreBottom = margin(store, names::kMarginCentreBottom, kCentreBottomFallback);
  p.margins.left = margin(store, names::kMarginLeft, kEdgeFallback);
  p.margins.right = margin(store, names::kMarginRight, kEdgeFallback);
  p.margins.top = margin(store, names::kMarginTop, kEdgeFallback);
  p.margins.bottom = margin(store, names::kMarginBottom, kEdgeFallback);
  p.loopStartEffect = loopStartEffect(store);
  p.closeButtonHides = numberWrittenWhenMissing(store, names::kCloseButton);
  p.framePipe = framePipe(store);
  return p;
}

void saveFolderPreferences(PreferencesStore& store, const Preferences& p) {
  store.writeString(names::kImageFolder, p.imageFolder);
  store.writeString(names::kMusicFolder, p.musicFolder);
  store.writeString(names::kProjectFolder, p.projectFolder);
  store.writeString(names::kVideoFolder, p.videoFolder);
  store.writeString(names::kLogoFolder, p.logoFolder);
  store.writeString(names::kImportFolder, p.importFolder);
}

void setBackgroundFill(Preferences& p, PreferencesStore& store, int value) {
  keepNumber(p.backgroundFill, store, names::kBackgroundFill, value);
}

void setDefaultFileName(Preferences& p, PreferencesStore& store, int value) {
  keepNumber(p.defaultFileName, store, names::kDefaultFileName, value);
}

void setCloseButtonHides(Preferences& p, PreferencesStore& store, int value) {
  keepNumber(p.closeButtonHides, store, names::kCloseButton, value);
}

void setLoopStartEffect(Preferences& p, PreferencesStore& store, int effect) {
  keepNumber(p.loopStartEffect, store, names::kLoopStartEffect, effect);
}

void setFramePipe(Preferences& p, PreferencesStore& store, FramePipe pipe) {
  p.framePipe = pipe;
  store.writeNumber(names::kFramePipe, pipe == FramePipe::Mjpeg ? 1 : 0);
}

void setCaptionMargins(Preferences& p, PreferencesStore& store, const CaptionMargins& margins) {
  p.margins = margins;
  store.writeNumber(names::kMarginCentreBottom, storedMargin(margins.centreBottom));
  store.writeNumber(names::kMarginLeft, storedMargin(margins.left));
  store.writeNumber(names::kMarginRight, storedMargin(margins.right));
  store.writeNumber(names::kMarginTop, storedMargin(margins.top));
  store.writeNumber(names::kMarginBottom, storedMargin(margins.bottom));
}

float marginFromPercent(double percent) { return static_cast<float>(percent / 100 + 0.000001); }

int32_t storedMargin(float fraction) {
  double scaled = static_cast<double>(fraction) * 10000;
  // Only a fraction that no dialog can produce falls outside; it must not overflow.
  if (!(scaled > INT32_MIN && scaled < INT32_MAX)) return 0;
  return static_cast<int32_t>(scaled);
}

float marginFromStored(int32_t stored) {
  return static_cast<float>(stored / 10000.0 + 0.000001);
}

}  // namespace pictavo
