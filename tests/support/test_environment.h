// What every test run starts with: its own program folder (PICTAVO_HOME in a fresh temporary
// folder) and preferences, so nothing outside it is written, no service address from the
// user, and the image library started once.
#pragma once

#include "support/test_files.h"

namespace pictavo::test {

class TestEnvironment {
 public:
  TestEnvironment();
  ~TestEnvironment();
  TestEnvironment(const TestEnvironment&) = delete;
  TestEnvironment& operator=(const TestEnvironment&) = delete;

  // False (with the reason on stderr) when the image library did not start.
  bool ready() const { return ready_; }

 private:
  TempDir home_;
  bool ready_ = false;
};

}  // namespace pictavo::test
