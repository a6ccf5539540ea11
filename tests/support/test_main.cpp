// Test entry: every test runs with its own program folder (PICTAVO_HOME in a fresh temporary
// folder), so nothing outside it is written, and with the image library started once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "imaging/image_library.h"
#include "platform/folders.h"
#include "support/test_files.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  pictavo::test::TempDir home("pictavo-home");
  setenv("PICTAVO_HOME", home.path().c_str(), 1);
  // The user's own preferences and service address never reach a test.
  setenv("XDG_CONFIG_HOME", (home.path() + "/config").c_str(), 1);
  unsetenv("PICTAVO_SERVICE_URL");
  pictavo::resetProgramFolders();
  std::string error;
  if (!pictavo::startImageLibrary(&error)) {
    std::fprintf(stderr, "image library did not start: %s\n", error.c_str());
    return 1;
  }
  int result = RUN_ALL_TESTS();
  MagickWandTerminus();
  return result;
}
