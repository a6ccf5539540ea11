// The ffmpeg command lines of both transports (frames through a named pipe, or through
// standard input), built as one GBK text exactly as the encoder expects it, and turned into
// the argument vector the child is started with.
#pragma once

#include <string>
#include <vector>

#include "project/service_config.h"  // kDefaultAudioBitRate

namespace pictavo {

// The newer music options, done by ffmpeg's audio filters on their way into the video (the
// user's files are never rewritten). All off keeps the audio input exactly as before.
struct MusicFilters {
  double fadeInSeconds = 0;   // 0: no fade-in
  double fadeOutSeconds = 0;  // 0: no fade-out
  double musicEnd = 0;        // seconds: where the music stops, the video's end or its own
  // Each track's gain in dB that brings it to the same loudness (EBU R128); empty: the
  // tracks are not levelled.
  std::vector<double> trackGainsDb;
  // Each track decoded on its own and joined where the one before ends, as the beat
  // tracker decoded it: changes on the beat count on those times.
  bool trackTimes = false;

  bool any() const {
    return fadeInSeconds > 0 || fadeOutSeconds > 0 || !trackGainsDb.empty() || trackTimes;
  }
};

// The loudness every track is brought to, in LUFS; a track is raised at most until its
// highest sample reaches kLevelPeakRoom dBFS, so that levelling never clips.
inline constexpr double kLevelLoudness = -16;
inline constexpr double kLevelPeakRoom = -1;
inline constexpr double kMaxLevelGainDb = 30;

// The gain (dB) that brings a track of `loudness` LUFS with samples up to `peak` dBFS to
// kLevelLoudness; 0 for a track without a measured loudness (silence).
double levelGainDb(double loudness, double peak);

// What the command line carries.
struct EncoderCommand {
  std::vector<std::string> musicPaths;  // full GBK paths; empty: no audio
  int sampleRate = -1;                  // -1: not known, 44100 is asked for
  MusicFilters musicFilters;
  int audioBitRate = kDefaultAudioBitRate;  // the configured value, kbit/s
  std::string logoName;                 // bare name of the logo copy; empty: no logo
  int logoLocation = 0;
  int width = 0;
  int height = 0;
  std::string duration;                 // seconds, as text
  std::string outputPath;               // GBK
  // Frames arrive as raw planar yuv420p (imaging/raw_frame.h) instead of JPEG: no JPEG
  // encode on our side, no decode or colour conversion on ffmpeg's.
  bool rawFrames = false;
};

// ffmpeg's name of the raw frame layout.
inline constexpr const char* kRawPixelFormat = "yuv420p";

// The configured bit rate when it lies in 96..320, else 128.
int effectiveAudioBitRate(int configured);

// The video length after "-t": seconds with two decimals (frame counts / 25 are exact).
std::string durationText(float seconds);

// " -i concat:\"a|b\" -ac 2 -ar R -ab Bk", or "" without music. With music filters each
// track is an input of its own, and one filter graph brings them to one rate and layout,
// levels them, joins them and fades the result: " -i \"a\" -i \"b\" -filter_complex
// \"...[music]\" -map 0:v -map [music] -ac 2 -ar R -ab Bk".
std::string audioInputPiece(const EncoderCommand& command);

// The fades of one track played on its own (the preview plays the tracks one after the
// other): the fade-in on the first track, the fade-out on the track playing where the
// music stops. `trackStart` and `trackSeconds` place it on the video's time line; "" when
// neither fade touches it.
std::string trackFadeFilter(const MusicFilters& filters, size_t track, double trackStart,
                            double trackSeconds);

// The filter graph of the music filters for `trackCount` inputs numbered from 1.
std::string musicFilterGraph(size_t trackCount, int sampleRate, const MusicFilters& filters);

// " -vf \"movie='NAME' [watermark]; [in][watermark] overlay=X:Y [out]\"" for the logo
// location (0 top left, 1 bottom left and any unknown value, 2 top right, 3 bottom right),
// or "" without a logo.
std::string logoFilterPiece(const std::string& logoName, int location);

// The input options of the frames: "-f image2pipe -r 25 -vcodec mjpeg" (named pipe) or
// "-f mjpeg -r 25 -vcodec mjpeg" (standard input); with raw frames "-f rawvideo -pix_fmt
// yuv420p -s WxH -r 25" for both, and the output tagged with the frames' colour range and
// matrix ("-color_range tv -colorspace bt470bg").
std::string namedPipeCommandLine(const std::string& pipeName, const EncoderCommand& command);
std::string standardInputCommandLine(const EncoderCommand& command);

// The arguments of a GBK command line: converted to UTF-8 (strictly) and split by the
// quoting rules. False with a message when the text cannot be converted.
bool commandArguments(const std::string& gbkCommandLine, std::vector<std::string>* arguments,
                      std::string* error);

// True when the GBK path, put between double quotes on a command line, arrives whole.
bool carriesQuotedPath(const std::string& gbkPath);

// Refuses, before anything starts, paths that the command line would cut or change: the
// output path and the music paths (which the concat list also splits at "|").
bool checkCommandPaths(const EncoderCommand& command, std::string* error);

}  // namespace pictavo
