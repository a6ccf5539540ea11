#include "support/make_audio.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "support/run_command.h"
#include "support/test_files.h"
#include "util/text_format.h"

namespace pictavo::test {

std::string makeSineAudio(const std::string& fsPath, double seconds,
                          const std::string& outputOptions) {
  std::string line = strprintf(
      "ffmpeg -nostdin -loglevel error -y -f lavfi -i sine=frequency=440:duration=%g ", seconds);
  CommandResult run = runCommand(line + outputOptions + " " + shellQuote(fsPath));
  if (run.exitCode == 0) return "";
  return run.output.empty() ? "ffmpeg failed" : run.output;
}

std::string makeClickTrack(const std::string& fsPath, double bpm, double seconds,
                           const std::string& outputOptions, double offset) {
  double period = 60.0 / bpm;
  std::string source = strprintf(
      "aevalsrc='if(gte(t,%g)*lt(mod(t-%g,%g),0.01),0.8*sin(2*PI*2000*t),0)':s=44100:d=%g",
      offset, offset, period, seconds);
  CommandResult run = runCommand("ffmpeg -nostdin -loglevel error -y -f lavfi -i " +
                                 shellQuote(source) + " " + outputOptions + " " + shellQuote(fsPath));
  if (run.exitCode == 0) return "";
  return run.output.empty() ? "ffmpeg failed" : run.output;
}

std::vector<float> decodeAudio(const std::string& fsPath, int sampleRate) {
  TempDir dir;
  std::string raw = dir.file("audio.f32");
  CommandResult run = runCommand(strprintf("ffmpeg -nostdin -loglevel error -y -i %s -vn -ac 1 -ar %d -f f32le %s",
                                           shellQuote(fsPath).c_str(), sampleRate,
                                           shellQuote(raw).c_str()));
  std::vector<float> samples;
  if (run.exitCode != 0) return samples;
  std::ifstream in(raw, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  samples.resize(bytes.size() / sizeof(float));
  std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
  return samples;
}

double ffprobeSeconds(const std::string& fsPath) {
  CommandResult run = runCommand(
      "ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 " +
      shellQuote(fsPath));
  if (run.exitCode != 0 || run.output.empty()) return -1;
  char* end = nullptr;
  double seconds = std::strtod(run.output.c_str(), &end);
  return end == run.output.c_str() ? -1 : seconds;
}

}  // namespace pictavo::test
