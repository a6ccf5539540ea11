// Runs the real window program (or another test program) in a program folder and
// preferences of its own, on the offscreen platform, with every message box and opened page
// written to a record file instead of shown (PICTAVO_RECORD_PROMPTS).
#pragma once

#include <string>

#include "support/test_files.h"

namespace pictavo::test {

class IsolatedRun {
 public:
  IsolatedRun();

  struct Result {
    int status = -1;  // exit status; 128 + N for a process ended by signal N
    std::string output;
  };

  // Runs the shell command line with the isolated environment plus `environment`
  // ("NAME=value ..."), without core dumps.
  Result run(const std::string& commandLine, const std::string& environment = "") const;

  std::string home() const { return home_.path(); }
  std::string recorded() const;
  std::string errorLog() const;
  // Waits (up to 30 s) until the record holds `text`, for a process that runs on its own.
  bool waitForRecord(const std::string& text) const;

 private:
  TempDir home_{"pictavo-run"};
};

}  // namespace pictavo::test
