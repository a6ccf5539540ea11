// The video settings file (.sz): a reusable set of output choices kept as "key=value" lines
// of GBK text: the effects and caption layout of the first ten pictures, the caption switch,
// the logo, the video size, the pause time and one background-music track.
#pragma once

#include <string>

namespace pictavo {

inline constexpr int kStoredPictures = 10;

// Caption layout of one picture: location, font list index, colour scheme index. -1|-1|-1
// marks a position after the last picture (or captions off), 0|0|0 a picture without one.
struct StoredCaption {
  int location = 0;
  int font = 0;
  int colour = 0;
};

// The file's content. Reading starts from a zero-filled record, so a missing key leaves its
// field at zero or empty.
struct VideoSettingsRecord {
  int animationIndex[kStoredPictures] = {};  // -1 after the last picture
  std::string videoSize;                     // size list text, at most 15 bytes
  std::string pauseTime;                     // pause list text, at most 7 bytes
  std::string bgsound;                       // full path of the track, or empty
  int twOpen = 0;
  StoredCaption tw[kStoredPictures] = {};
  int logoOpen = 0;
  int logoLocation = 0;
  std::string logoPath;  // at most 259 bytes
};

// The file text: nine lines in a fixed order and a final line end. A track inside the
// program's mp3 folder is stored relative to it.
std::string videoSettingsText(const VideoSettingsRecord& record);

// Parses file text into a zero-filled record. Lines without "=", unknown keys and numbers
// that do not scan are skipped; only the first 1023 bytes of a line are used.
VideoSettingsRecord parseVideoSettings(const std::string& text);

// Writes the file as a whole (the previous file stays intact on failure).
bool writeVideoSettings(const std::string& path, const VideoSettingsRecord& record);

// True when the file could be read, whatever it holds.
bool readVideoSettings(const std::string& path, VideoSettingsRecord* record);

}  // namespace pictavo
