// The project: the ordered picture list with each picture's effect, caption and rotation,
// the project-wide options and the background-music tracks. All text is GBK.
#pragma once

#include <string>
#include <vector>

#include "imaging/motion_path.h"
#include "project/caption_styles.h"
#include "project/size_list.h"

namespace pictavo {

inline constexpr int kMaxPictures = 1000;
// The longest music fade, in milliseconds.
inline constexpr int kMaxFadeMs = 30000;
inline constexpr size_t kFontNameBytes = 15;
// A caption's text keeps at most this many bytes, as the caption field does: the project
// file's readers expect no more, and a longer text would not fit a frame.
inline constexpr size_t kMaxCaptionTextBytes = 195;

struct CaptionSpec {
  int mode = 0;  // 0 none, 1 caption, 2 caption drawn like 1
  int location = kDefaultCaptionLocation;
  std::string fontName;  // at most 15 bytes
  WindowsColour bandColour = 0;
  WindowsColour textColour = 0;
  std::string text;

  bool shown() const { return mode != 0 && !text.empty(); }
  bool operator==(const CaptionSpec&) const = default;
};

// A picture's motion that follows the project's.
inline constexpr int kMotionOfProject = -1;

struct ImageItem {
  std::string path;
  int animationIndex = 99;
  std::string animationName;
  std::string fileName;  // base name of path
  CaptionSpec caption;
  int turnAngle = 0;  // clockwise degrees; only values above 0 rotate
  // The picture's own motion (a Motion number), or kMotionOfProject to follow the project's.
  int motion = -1;

  // Sets the effect and keeps its name in step.
  void setEffect(int index);
  bool operator==(const ImageItem&) const = default;
};

struct MusicTrack {
  std::string path;
  float durationMs = 0;
  int sampleRate = 0;
  bool operator==(const MusicTrack&) const = default;
};

struct ProjectSettings {
  bool captionsOn = false;
  int captionFont = 0;  // index into the caption font table
  int captionFontSize = kDefaultCaptionPointSizeIndex;
  int captionColour = kDefaultColourScheme;
  bool logoOn = false;
  std::string logoPath;
  int logoLocation = kDefaultLogoLocation;
  bool musicOn = true;
  bool autoPause = false;
  bool loopPictures = false;
  // Newer music options, stored only when set (files without them open with all off):
  bool beatChanges = false;  // every change falls on a beat of the music
  int fadeInMs = 0;          // the music fades in over the video's start; 0: no fade
  int fadeOutMs = 0;         // and out over its end; 0: no fade
  bool levelTracks = false;  // every track brought to the same loudness
  std::vector<MusicTrack> musicTracks;
  bool coverOn = false;
  std::string coverPath;
  int videoSize = 0;  // index into the size list; 0 = no size chosen
  int width = 400;
  int height = 400;
  int pauseIndex = 21;
  int pauseFrames = 50;
  // While the automatic pause time is on, the pause comes from this text ("%0.2f秒").
  std::string customPauseText;
  // How pictures are framed and move over their stay (off and fit: still and fitted).
  Motion motion = Motion::Off;
  int motionStrength = kDefaultMotionStrength;  // percent
  Framing framing = Framing::Fit;

  // Selects a size list entry and takes its width and height.
  void selectSize(const SizeList& sizes, int index);
  // Selects a pause list entry and its frames.
  void selectPause(int index);
  // Applies a computed pause text; the frames follow its leading number.
  void applyPauseText(const std::string& text);
  bool operator==(const ProjectSettings&) const = default;
};

// The motion picture number `position` (from 0, counted along the show) makes: its own or
// the project's, with auto zooming in on even positions and out on odd ones, so that
// neighbours never repeat the same move.
Motion shownMotion(const ProjectSettings& settings, const ImageItem& item, int position);

struct Project {
  std::vector<ImageItem> pictures;
  ProjectSettings settings;
  SizeList sizes;
  std::string path;  // empty for a project never saved or opened
  int maxPictures = kMaxPictures;

  // "新项目" for a project without a file, else the file name of its path.
  std::string title() const;

  // Removes every picture and track, resets every option, empties the path.
  void clear();
};

}  // namespace pictavo
