#include "cli/generate.h"

#include <chrono>
#include <csignal>
#include <thread>

#include "cli/cli_support.h"
#include "cli/terminal_progress.h"
#include "net/error_report.h"
#include "platform/interrupts.h"
#include "util/charset.h"
#include "util/translate.h"
#include "video/generation_checks.h"
#include "video/generation_run.h"

namespace pictavo::cli {

bool pipeOption(const Args& args, FramePipe* pipe) {
  std::string value = args.value("pipe").value_or("raw");
  if (value != "mjpeg" && value != "raw") {
    complain(localText("--pipe 只能是 raw 或 mjpeg。"));
    return false;
  }
  *pipe = value == "mjpeg" ? FramePipe::Mjpeg : FramePipe::Raw;
  return true;
}

int generateVideo(const Project& project, const std::string& outputPath, FramePipe pipe) {
  ProjectCheck check = checkProject(project);
  if (!check.ok) {
    complain(check.caption + ": " + check.message);
    return 1;
  }
  TerminalProgress progress;
  Preferences preferences;
  preferences.framePipe = pipe;
  GenerationOptions options;
  options.reportError = reportError;  // to the vendor service when there is one
  GenerationRun run(project, preferences, withMp4Ending(outputPath), check.sampleRate, progress,
                    options);
  std::string error;
  catchInterrupts();
  if (!run.start(&error)) {
    complain(error);
    return 1;
  }
  bool stopping = false;
  while (!run.done()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (interruptRequested() && !stopping) {
      stopping = true;
      run.cancel();
    }
  }
  run.wait();
  switch (progress.end()) {
    case RunEnd::Finished: say(localFormat("视频已生成: %s", run.outputPath().c_str())); return 0;
    case RunEnd::Cancelled: return 128 + (interruptSignal() ? interruptSignal() : SIGINT);
    default: return 1;
  }
}

}  // namespace pictavo::cli
