#include "video/encoder_command.h"

#include <algorithm>

#include "project/pause_table.h"
#include "util/charset.h"
#include "util/command_line.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

std::string joined(const std::vector<std::string>& paths, char separator) {
  std::string text;
  for (size_t i = 0; i < paths.size(); ++i) {
    if (i > 0) text += separator;
    text += paths[i];
  }
  return text;
}

}  // namespace

int effectiveAudioBitRate(int configured) {
  return configured >= 96 && configured <= 320 ? configured : kDefaultAudioBitRate;
}

std::string durationText(float seconds) { return strprintf("%.2f", static_cast<double>(seconds)); }

double levelGainDb(double loudness, double peak) {
  if (loudness == 0) return 0;
  double gain = std::min(kLevelLoudness - loudness, kLevelPeakRoom - peak);
  return std::clamp(gain, -kMaxLevelGainDb, kMaxLevelGainDb);
}

std::string musicFilterGraph(size_t trackCount, int sampleRate, const MusicFilters& filters) {
  std::string graph;
  std::string joinedInputs;
  for (size_t i = 0; i < trackCount; ++i) {
    graph += strprintf("[%d:a]aformat=sample_fmts=fltp:channel_layouts=stereo", static_cast<int>(i + 1));
    if (i < filters.trackGainsDb.size())
      graph += strprintf(",volume=%.2fdB", filters.trackGainsDb[i]);
    graph += strprintf(",aresample=%d[t%d];", sampleRate, static_cast<int>(i));
    joinedInputs += strprintf("[t%d]", static_cast<int>(i));
  }
  graph += joinedInputs + strprintf("concat=n=%d:v=0:a=1", static_cast<int>(trackCount));
  if (filters.fadeInSeconds > 0) graph += strprintf(",afade=t=in:st=0:d=%.3f", filters.fadeInSeconds);
  if (filters.fadeOutSeconds > 0 && filters.musicEnd > 0) {
    double length = std::min(filters.fadeOutSeconds, filters.musicEnd);
    graph += strprintf(",afade=t=out:st=%.3f:d=%.3f", filters.musicEnd - length, length);
  }
  return graph + "[music]";
}

std::string trackFadeFilter(const MusicFilters& filters, size_t track, double trackStart,
                            double trackSeconds) {
  std::string filter;
  if (track == 0 && filters.fadeInSeconds > 0)
    filter = strprintf("afade=t=in:st=0:d=%.3f", filters.fadeInSeconds);
  double end = filters.musicEnd - trackStart;  // where the music stops, in this track
  if (filters.fadeOutSeconds > 0 && end > 0 && end <= trackSeconds + 0.001) {
    double length = std::min(filters.fadeOutSeconds, end);
    if (!filter.empty()) filter += ",";
    filter += strprintf("afade=t=out:st=%.3f:d=%.3f", end - length, length);
  }
  return filter;
}

namespace {

std::string filteredAudioInputPiece(const EncoderCommand& command, int sampleRate, int bitRate) {
  std::string piece;
  for (const std::string& path : command.musicPaths) piece += " -i \"" + path + "\"";
  piece += " -filter_complex \"" +
           musicFilterGraph(command.musicPaths.size(), sampleRate, command.musicFilters) + "\"";
  return piece + strprintf(" -map 0:v -map [music] -ac 2 -ar %d -ab %dk", sampleRate, bitRate);
}

}  // namespace

std::string audioInputPiece(const EncoderCommand& command) {
  if (command.musicPaths.empty()) return "";
  if (command.musicFilters.any())
    return filteredAudioInputPiece(command, command.sampleRate == -1 ? 44100 : command.sampleRate,
                                   effectiveAudioBitRate(command.audioBitRate));
  std::string piece = " -i concat:\"" + joined(command.musicPaths, '|') + "\"";
  int bitRate = effectiveAudioBitRate(command.audioBitRate);
  if (command.sampleRate == -1) return piece + strprintf(" -ac 2 -ar 44100 -ab %dk", bitRate);
  return piece + strprintf(" -ac 2 -ar %d -ab %dk", command.sampleRate, bitRate);
}

std::string logoFilterPiece(const std::string& logoName, int location) {
  if (logoName.empty()) return "";
  const char* format;
  switch (location) {
    case 0: format = " -vf \"movie='%s' [watermark]; [in][watermark] overlay=%d:%d [out]\""; break;
    case 2:
      format = " -vf \"movie='%s' [watermark]; [in][watermark] overlay=main_w-overlay_w-%d:%d [out]\"";
      break;
    case 3:
      format =
          " -vf \"movie='%s' [watermark]; [in][watermark] "
          "overlay=main_w-overlay_w-%d:main_h-overlay_h-%d [out]\"";
      break;
    default:
      format = " -vf \"movie='%s' [watermark]; [in][watermark] overlay=%d:main_h-overlay_h-%d [out]\"";
      break;
  }
  return strprintf(format, logoName.c_str(), 0, 0);
}

namespace {

// Raw frames carry BT.601 colours in the limited range (imaging/raw_frame.h); saying so in
// the video keeps players from guessing the matrix from the frame size (BT.709 for HD).
constexpr const char* kRawColourTags = " -color_range tv -colorspace bt470bg";

std::string rawInputPiece(const EncoderCommand& command) {
  return strprintf(" -y -f rawvideo -pix_fmt %s -s %dx%d -r %d", kRawPixelFormat, command.width,
                   command.height, kFramesPerSecond);
}

}  // namespace

std::string namedPipeCommandLine(const std::string& pipeName, const EncoderCommand& command) {
  if (command.rawFrames)
    return rawInputPiece(command) +
           strprintf(" -i %s%s -s %dx%d -t %s%s -pix_fmt yuv420p%s -v error %s", pipeName.c_str(),
                     audioInputPiece(command).c_str(), command.width, command.height,
                     command.duration.c_str(),
                     logoFilterPiece(command.logoName, command.logoLocation).c_str(),
                     kRawColourTags, ("\"" + command.outputPath + "\"").c_str());
  return strprintf(" -y -f image2pipe -r %d -vcodec mjpeg -i %s%s -s %dx%d -t %s%s -pix_fmt yuv420p -v error %s",
                   kFramesPerSecond, pipeName.c_str(), audioInputPiece(command).c_str(),
                   command.width, command.height, command.duration.c_str(),
                   logoFilterPiece(command.logoName, command.logoLocation).c_str(),
                   ("\"" + command.outputPath + "\"").c_str());
}

std::string standardInputCommandLine(const EncoderCommand& command) {
  if (command.rawFrames) return namedPipeCommandLine("pipe:0", command);
  return strprintf(" -y -f mjpeg -r %d -vcodec mjpeg -i pipe:0 %s -s %dx%d -t %s%s -pix_fmt yuv420p -v error %s",
                   kFramesPerSecond, audioInputPiece(command).c_str(), command.width,
                   command.height, command.duration.c_str(),
                   logoFilterPiece(command.logoName, command.logoLocation).c_str(),
                   ("\"" + command.outputPath + "\"").c_str());
}

bool commandArguments(const std::string& gbkCommandLine, std::vector<std::string>* arguments,
                      std::string* error) {
  auto text = gb18030ToUtf8Strict(gbkCommandLine);
  if (!text) {
    if (error) *error = localFormat("命令行中有无法转换的字符：%s", gbkCommandLine.c_str());
    return false;
  }
  *arguments = splitCommandLine(*text);
  return true;
}

bool carriesQuotedPath(const std::string& gbkPath) {
  auto path = gb18030ToUtf8Strict(gbkPath);
  return path && splitsInto("\"" + *path + "\"", {*path});
}

bool checkCommandPaths(const EncoderCommand& command, std::string* error) {
  if (!carriesQuotedPath(command.outputPath)) {
    if (error)
      *error = localFormat("视频文件的路径中有命令行无法传递的字符（双引号，或紧挨在末尾的反斜杠），"
                           "请换一个文件名或文件夹：\n%s",
                           command.outputPath.c_str());
    return false;
  }
  for (const std::string& path : command.musicPaths) {
    auto text = gb18030ToUtf8Strict(path);
    if (!carriesQuotedPath(path) || !text || text->find('|') != std::string::npos) {
      if (error)
        *error = localFormat("背景音乐 [%s] 的路径中有命令行无法传递的字符（双引号、竖线 |，"
                               "或紧挨在末尾的反斜杠），请换一个文件名或文件夹。",
                           baseName(path).c_str());
      return false;
    }
  }
  return true;
}

}  // namespace pictavo
