#include "support/media_probe.h"

#include <sstream>

#include "support/run_command.h"
#include "support/test_files.h"
#include "util/text_format.h"

namespace pictavo::test {

const std::map<std::string, std::string>* MediaInfo::stream(const std::string& type) const {
  for (const auto& s : streams) {
    auto kind = s.find("codec_type");
    auto art = s.find("DISPOSITION:attached_pic");
    bool artwork = art != s.end() && art->second == "1";
    if (kind != s.end() && kind->second == type && !artwork) return &s;
  }
  return nullptr;
}

const std::map<std::string, std::string>* MediaInfo::artwork() const {
  for (const auto& s : streams) {
    auto art = s.find("DISPOSITION:attached_pic");
    if (art != s.end() && art->second == "1") return &s;
  }
  return nullptr;
}

MediaInfo probeMedia(const std::string& fsPath) {
  MediaInfo info;
  CommandResult run = runCommand("ffprobe -v error -show_entries "
                                 "stream=codec_type,codec_name,width,height,r_frame_rate,nb_frames,duration,"
                                 "color_range,color_space:"
                                 "stream_disposition=attached_pic:format=duration " +
                                 shellQuote(fsPath));
  std::istringstream lines(run.output);
  std::map<std::string, std::string>* current = nullptr;
  bool inFormat = false;
  for (std::string line; std::getline(lines, line);) {
    if (line == "[STREAM]") {
      info.streams.emplace_back();
      current = &info.streams.back();
    } else if (line == "[FORMAT]") {
      inFormat = true;
    } else if (line.rfind("[/", 0) == 0) {
      current = nullptr;
      inFormat = false;
    } else if (size_t eq = line.find('='); eq != std::string::npos) {
      std::string key = line.substr(0, eq), value = line.substr(eq + 1);
      if (current) (*current)[key] = value;
      if (inFormat && key == "duration") info.duration = std::atof(value.c_str());
    }
  }
  return info;
}

WandPtr frameAt(const std::string& fsPath, double seconds) {
  TempDir dir("pictavo-frame");
  std::string png = dir.file("frame.png");
  CommandResult run = runCommand(strprintf("ffmpeg -nostdin -v error -y -ss %.3f -i ", seconds) +
                                 shellQuote(fsPath) + " -frames:v 1 " + shellQuote(png));
  if (run.exitCode != 0) return nullptr;
  WandPtr frame(NewMagickWand());
  if (MagickReadImage(frame.get(), png.c_str()) == MagickFalse) return nullptr;
  return frame;
}

}  // namespace pictavo::test
