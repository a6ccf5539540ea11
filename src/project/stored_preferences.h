// The preferences between runs: loaded once at start-up from the preferences store, number
// values written the moment they change, folder values written by the exit sequence.
#pragma once

#include <cstdint>
#include <string>

#include "project/preferences.h"
#include "project/preferences_store.h"

namespace pictavo {

// Value names in the store.
namespace preference_names {
inline constexpr char kImageFolder[] = "file_dlg_choose_image";
inline constexpr char kMusicFolder[] = "file_dlg_choose_mp3";
inline constexpr char kProjectFolder[] = "file_dlg_choose_save_project";
inline constexpr char kVideoFolder[] = "file_dlg_choose_save_video";
inline constexpr char kLogoFolder[] = "file_dlg_choose_logo";
inline constexpr char kImportFolder[] = "file_dlg_choose_import_file";
inline constexpr char kBackgroundFill[] = "video_bg_fill_color";
inline constexpr char kDefaultFileName[] = "mp4_default_file_name";
inline constexpr char kMarginCentreBottom[] = "watermark_margin_center_bottom";
inline constexpr char kMarginLeft[] = "watermark_margin_left";
inline constexpr char kMarginRight[] = "watermark_margin_right";
inline constexpr char kMarginTop[] = "watermark_margin_top";
inline constexpr char kMarginBottom[] = "watermark_margin_bottom";
inline constexpr char kLoopStartEffect[] = "image_loop_play_animation";
inline constexpr char kCloseButton[] = "click_close_button_status";
inline constexpr char kFramePipe[] = "video_frame_pipe";
inline constexpr char kLanguage[] = "interface_language";
}  // namespace preference_names

// The folders the defaults name (GBK).
struct PreferenceFolders {
  std::string desktop;
  std::string music;     // the program's "mp3" folder
  std::string projects;  // the program's "我的项目" folder
  std::string videos;    // the program's "我的视频" folder
};

// The user's desktop and the program's folders.
PreferenceFolders preferenceFolders();

// Reads every preference in start-up order, each with its default and validation. The three
// numbers that have no default write of their own (background, file name rule, close
// button) are written as 0 when missing; the project and video folders are created.
Preferences loadPreferences(PreferencesStore& store, const PreferenceFolders& folders);

// The exit sequence: the six folder values, in a fixed order.
void saveFolderPreferences(PreferencesStore& store, const Preferences& preferences);

// The menus and dialogs: each changes the value in memory and writes it at once; a failed
// write goes unnoticed, as the store's callers do not depend on it.
void setBackgroundFill(Preferences& preferences, PreferencesStore& store, int value);
void setDefaultFileName(Preferences& preferences, PreferencesStore& store, int value);
void setCloseButtonHides(Preferences& preferences, PreferencesStore& store, int value);
void setLoopStartEffect(Preferences& preferences, PreferencesStore& store, int effect);
void setFramePipe(Preferences& preferences, PreferencesStore& store, FramePipe pipe);
void setCaptionMargins(Preferences& preferences, PreferencesStore& store,
                       const CaptionMargins& margins);

// Margin encoding: a percentage p (0 < p < 50) is the fraction p / 100 + 0.000001 in single
// precision, stored as that fraction times 10000 truncated, and read back as n / 10000 +
// 0.000001.
float marginFromPercent(double percent);
int32_t storedMargin(float fraction);
float marginFromStored(int32_t stored);

}  // namespace pictavo
