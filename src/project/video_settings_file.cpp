#include "project/video_settings_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "platform/user_file.h"
#include "platform/folders.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

constexpr size_t kLineBytes = 1023;
constexpr size_t kKeyBytes = 31;
constexpr size_t kPathBytes = 259;
constexpr size_t kVideoSizeBytes = 15;
constexpr size_t kPauseTimeBytes = 7;
// A settings file is a few hundred bytes; reading stops far beyond that.
constexpr size_t kMaxFileBytes = 1u << 20;

// The track path as stored. A track inside the mp3 folder is stored relative to it, without
// a leading separator: on this platform a leading "/" is what marks an absolute path, so the
// relative form must not start with one or it could not be told from an absolute path.
std::string storedMusicPath(const std::string& path) {
  const std::string& music = programFolders().music;
  if (!isInsideFolder(path, music) || path.size() <= music.size() + 1) return path;
  return path.substr(music.size() + 1);
}

// The reverse: a value that is not absolute lies in the mp3 folder.
std::string musicPathFromStored(const std::string& value) {
  if (value.empty() || value.front() == kPathSeparator) return value;
  return joinPath(programFolders().music, value);
}

// The integer at the start of `text` (after blanks), as atoi reads it but clamped to int;
// false when there is none. `end` receives the position after it.
bool leadingInt(const char* text, int* value, const char** end) {
  errno = 0;
  char* stop = nullptr;
  long parsed = std::strtol(text, &stop, 10);
  if (stop == text) return false;
  if (parsed > INT_MAX) parsed = INT_MAX;
  if (parsed < INT_MIN) parsed = INT_MIN;
  *value = static_cast<int>(parsed);
  *end = stop;
  return true;
}

// Integers separated by the characters of `separators` (the one after value k is
// separators[k]), stopping at the first that does not scan, as sscanf would.
void scanInts(const std::string& text, const char* separators, int* values, int count) {
  const char* at = text.c_str();
  for (int k = 0; k < count; ++k) {
    if (!leadingInt(at, &values[k], &at)) return;
    if (k + 1 < count && *at++ != separators[k]) return;
  }
}

int decimal(const std::string& text) {
  int value = 0;
  const char* end;
  return leadingInt(text.c_str(), &value, &end) ? value : 0;
}

std::string tripleSeparators() {
  std::string separators;
  for (int i = 0; i < kStoredPictures; ++i) separators += i + 1 < kStoredPictures ? "||," : "||";
  return separators;
}

void applyLine(const std::string& key, const std::string& value, VideoSettingsRecord& r) {
  if (key == "animationIndex") {
    scanInts(value, ",,,,,,,,,", r.animationIndex, kStoredPictures);
  } else if (key == "videoSize") {
    r.videoSize = gb18030Prefix(value, kVideoSizeBytes);
  } else if (key == "pauseTime") {
    r.pauseTime = gb18030Prefix(value, kPauseTimeBytes);
  } else if (key == "bgsound") {
    r.bgsound = musicPathFromStored(gb18030Prefix(value, kPathBytes));
  } else if (key == "twOpen") {
    r.twOpen = decimal(value);
  } else if (key == "logoOpen") {
    r.logoOpen = decimal(value);
  } else if (key == "logoLocation") {
    r.logoLocation = decimal(value);
  } else if (key == "tw") {
    int values[3 * kStoredPictures] = {};
    scanInts(value, tripleSeparators().c_str(), values, 3 * kStoredPictures);
    for (int i = 0; i < kStoredPictures; ++i)
      r.tw[i] = {values[3 * i], values[3 * i + 1], values[3 * i + 2]};
  } else if (key == "logoPath") {
    r.logoPath = gb18030Prefix(value, kPathBytes);
  }
}

// One line: the key is the text before the first "=" (at most 31 bytes kept), the value the
// rest of the line, so that a path holding "=" comes back whole. A line without "=" is
// skipped; a carriage return before the line end is not part of the value.
void parseLine(std::string line, VideoSettingsRecord& record) {
  if (line.size() > kLineBytes) line.resize(kLineBytes);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  size_t equals = line.find('=');
  if (equals == std::string::npos) return;
  std::string key = line.substr(0, std::min(equals, kKeyBytes));
  applyLine(key, line.substr(equals + 1), record);
}

std::string joinedInts(const int* values, int count, const char* separator) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? separator : "") + std::to_string(values[i]);
  return text;
}

// A text value as its line holds it. A carriage return at the end of a line is taken for
// part of a CRLF line end when the file is read, so a value cannot end in one: it is dropped
// here rather than lost on the next read.
std::string lineValue(std::string text) {
  while (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

std::string triplesText(const StoredCaption* triples) {
  std::string text;
  for (int i = 0; i < kStoredPictures; ++i)
    text += strprintf("%s%d|%d|%d", i ? "," : "", triples[i].location, triples[i].font,
                      triples[i].colour);
  return text;
}

}  // namespace

std::string videoSettingsText(const VideoSettingsRecord& r) {
  std::string text = "animationIndex=" + joinedInts(r.animationIndex, kStoredPictures, ",");
  text += "\nvideoSize=" + lineValue(gb18030Prefix(r.videoSize, kVideoSizeBytes));
  text += "\npauseTime=" + lineValue(gb18030Prefix(r.pauseTime, kPauseTimeBytes));
  text += "\nbgsound=" + lineValue(storedMusicPath(r.bgsound));
  text += strprintf("\ntwOpen=%d", r.twOpen);
  text += "\ntw=" + triplesText(r.tw);
  text += strprintf("\nlogoOpen=%d", r.logoOpen);
  text += strprintf("\nlogoLocation=%d", r.logoLocation);
  text += "\nlogoPath=" + lineValue(gb18030Prefix(r.logoPath, kPathBytes));
  return text + "\n";
}

VideoSettingsRecord parseVideoSettings(const std::string& text) {
  VideoSettingsRecord record;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    parseLine(text.substr(start, std::min(end - start, kLineBytes + 1)), record);
    start = end + 1;
  }
  return record;
}

bool writeVideoSettings(const std::string& path, const VideoSettingsRecord& record) {
  return replaceFileAtomically(path, videoSettingsText(record));
}

bool readVideoSettings(const std::string& path, VideoSettingsRecord* record) {
  FilePtr file = openUserFile(path).file;
  if (!file) return false;
  std::string text;
  char buffer[4096];
  size_t n;
  while (text.size() < kMaxFileBytes && (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    text.append(buffer, n);
  if (std::ferror(file.get())) return false;
  *record = parseVideoSettings(text);
  return true;
}

}  // namespace pictavo
