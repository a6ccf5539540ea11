#include "support/make_audio.h"

#include <cstdlib>

#include "support/run_command.h"
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
