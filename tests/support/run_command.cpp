#include "support/run_command.h"

#include <sys/wait.h>

#include <cstdio>

namespace pictavo::test {

CommandResult runCommand(const std::string& commandLine) {
  CommandResult result;
  std::FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

CommandResult runCli(const std::string& arguments, const std::string& folder) {
  std::string line = folder.empty() ? "" : "cd " + shellQuote(folder) + " && ";
  return runCommand(line + shellQuote(PICTAVO_CLI_PATH) + " " + arguments);
}

std::string shellQuote(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace pictavo::test
