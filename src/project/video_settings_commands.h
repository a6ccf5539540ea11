// Saving the project's current output choices to a video settings file, and applying such
// a file to the pictures and options of the current project.
#pragma once

#include <string>
#include <vector>

#include "imaging/caption_fonts.h"
#include "project/project_model.h"
#include "project/user_message.h"
#include "project/video_settings_file.h"

namespace pictavo {

// The settings folder exists afterwards; otherwise `error` says it could not be made.
bool ensureSettingsFolder(UserMessage* error);

// The chosen file name with ".sz" appended unless it already ends so (any letter case).
std::string withSettingsExtension(const std::string& chosen);

// The record of the project's current state: effects and caption layout of the first ten
// pictures, caption switch, logo, size and pause texts, first music track.
VideoSettingsRecord gatherVideoSettings(const Project& project);

// Gathers and writes; `error` holds the box for a failed write, or for a path refused before
// writing (saveTargetRefusal: not a regular file, an input or the project file).
bool saveVideoSettings(const Project& project, const std::string& path, UserMessage* error);

// What the option panels must show after a file was applied. The project's settings hold
// the same values; `bgsound` is the track the music list should add and select (empty:
// none).
struct AppliedVideoSettings {
  bool captionsOn = false;
  int fontIndex = 0;
  int colourIndex = 0;
  int sizeIndex = 0;
  int pauseIndex = 0;
  bool logoOn = false;
  int logoLocation = 0;
  std::string logoPath;
  std::string bgsound;
};

// Applies a record to the project with the given caption fonts.
AppliedVideoSettings applyVideoSettingsRecord(Project& project, const VideoSettingsRecord& record,
                                              const std::vector<CaptionFont>& fonts);

// Reads the file and applies it with the installed caption fonts. A file in the settings
// folder gets its last-write time renewed. False with `error` when it cannot be read; the
// project is then unchanged.
bool applyVideoSettings(Project& project, const std::string& path,
                        AppliedVideoSettings* applied, UserMessage* error);

// The numbered load commands: `menuText` without its first 7 bytes names a file in the
// settings folder; a missing file is reported.
bool applyNumberedVideoSettings(Project& project, const std::string& menuText,
                                AppliedVideoSettings* applied, UserMessage* error);

}  // namespace pictavo
