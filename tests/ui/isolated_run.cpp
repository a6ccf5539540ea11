#include "isolated_run.h"

#include <chrono>
#include <thread>

#include "support/run_command.h"

namespace pictavo::test {

IsolatedRun::IsolatedRun() = default;

IsolatedRun::Result IsolatedRun::run(const std::string& commandLine,
                                     const std::string& environment) const {
  // Leak reports of a sanitizer build would replace the exit status the tests check.
  std::string line = "ulimit -c 0; env ASAN_OPTIONS=detect_leaks=0 PICTAVO_HOME=" + shellQuote(home()) +
                     " XDG_CONFIG_HOME=" + shellQuote(home_.file("config")) +
                     " QT_QPA_PLATFORM=offscreen PICTAVO_SERVICE_URL="
                     " PICTAVO_RECORD_PROMPTS=" + shellQuote(home_.file("prompts.txt")) + " " +
                     environment + " " + commandLine + "; echo \"status=$?\"";
  CommandResult ran = runCommand("sh -c " + shellQuote(line));
  Result result;
  result.output = ran.output;
  size_t at = ran.output.rfind("status=");
  if (at != std::string::npos) result.status = std::stoi(ran.output.substr(at + 7));
  return result;
}

std::string IsolatedRun::recorded() const { return readBytes(home_.file("prompts.txt")); }

std::string IsolatedRun::errorLog() const { return readBytes(home_.file("errors.log")); }

bool IsolatedRun::waitForRecord(const std::string& text) const {
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (recorded().find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

}  // namespace pictavo::test
