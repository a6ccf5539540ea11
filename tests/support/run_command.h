// Runs a command line through the shell (tests only) and captures its output.
#pragma once

#include <string>

namespace pictavo::test {

struct CommandResult {
  int exitCode = -1;
  std::string output;  // standard output and standard error together
};

CommandResult runCommand(const std::string& commandLine);

// Runs pictavo-cli with the given (already quoted) arguments, in `folder` when given.
CommandResult runCli(const std::string& arguments, const std::string& folder = "");

// A single-quoted shell word.
std::string shellQuote(const std::string& word);

}  // namespace pictavo::test
