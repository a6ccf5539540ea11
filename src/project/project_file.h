// The project file (.dat): one JSON document with the project options and, for each
// picture, its path, effect, caption location and text, and rotation. Pictures are kept by
// path; those in the temporary folder are copied into the pics folder when saving.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "project/project_model.h"
#include "project/user_message.h"

namespace pictavo {

// The document exactly as a save writes it, without copying any picture. The changed test
// compares this with the file.
std::string projectDocument(const Project& project);

// The document; with `copyTemporaryPictures`, every picture in the temporary folder is first
// copied into the pics folder under a new time-stamped name and points at the copy. Nothing
// when a copy fails (pictures copied before keep their new paths); `error` says which.
std::optional<std::string> serialiseProject(Project& project, bool copyTemporaryPictures,
                                            UserMessage* error);

// Serialises with copying and replaces the file at `path` as a whole: a failed save leaves
// the previous file exactly as it was. A path that is not a regular file or is one of the
// project's inputs is refused before anything is written (saveTargetRefusal). On success the
// project's path becomes `path`.
bool saveProject(Project& project, const std::string& path, UserMessage* error);

// Whether closing the project would lose work: false without pictures, true when it was
// never saved or its file cannot be read as a project, otherwise true unless the file, read
// as a project, holds what a save would write now.
bool projectChanged(const Project& project);

// What reading a project does with what the file names.
struct ProjectReadHooks {
  // Appends the picture at `path`; the default is addPicture, which logs refusals.
  std::function<bool(Project&, const std::string& path)> addPicture;
  // Duration in milliseconds (0: not usable) and sample rate of a music track. The MP3
  // analysis lives in the music folder above this one: callers take their hooks from
  // withMp3Analysis (music/track_analysis.h). Without an analyser no track is kept.
  std::function<float(const std::string& path, int* sampleRate)> analyseTrack;
  // Called before the picture `number` (from 1) of `total` is added.
  std::function<void(int number, int total)> progress;
};

// Clears the project and loads the file at `path` into it. On success the project's path
// becomes `path`. On failure `message` holds the box to show; whatever was read before the
// problem stays in the project and its path stays empty.
bool openProject(Project& project, const std::string& path, UserMessage* message,
                 const ProjectReadHooks& hooks);

// The part of openProject after reading the file: parses `text` and applies it to the
// (cleared) project. Does not set the path.
bool applyProjectDocument(Project& project, const std::string& text, UserMessage* message,
                          const ProjectReadHooks& hooks);

// The status line while pictures load: "加载图片: %d / %d".
std::string loadingPicturesText(int number, int total);

}  // namespace pictavo
