// Entry of the core tests.
#include <gtest/gtest.h>

#include "support/test_environment.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  pictavo::test::TestEnvironment environment;
  if (!environment.ready()) return 1;
  return RUN_ALL_TESTS();
}
