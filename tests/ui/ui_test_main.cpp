// Entry of the window's tests: like the core tests, every run has its own program folder and
// preferences, and the image library started once; then one QApplication for all tests.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "imaging/image_library.h"
#include "platform/folders.h"
#include "support/test_files.h"

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  pictavo::test::TempDir home("pictavo-ui-home");
  setenv("PICTAVO_HOME", home.path().c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home.path() + "/config").c_str(), 1);
  unsetenv("PICTAVO_SERVICE_URL");
  pictavo::resetProgramFolders();
  std::string error;
  if (!pictavo::startImageLibrary(&error)) {
    std::fprintf(stderr, "image library did not start: %s\n", error.c_str());
    return 1;
  }
  // Real widgets without a display; QT_QPA_PLATFORM=xcb under Xvfb shows them.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  int result = RUN_ALL_TESTS();
  MagickWandTerminus();
  return result;
}
