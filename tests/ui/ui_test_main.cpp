// Entry of the window's tests: the core tests' environment, then one QApplication for all.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/test_environment.h"

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  pictavo::test::TestEnvironment environment;
  if (!environment.ready()) return 1;
  // Real widgets without a display; QT_QPA_PLATFORM=xcb under Xvfb shows them.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
