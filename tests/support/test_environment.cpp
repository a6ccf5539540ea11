#include "support/test_environment.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "imaging/image_library.h"
#include "platform/folders.h"

namespace pictavo::test {

TestEnvironment::TestEnvironment() : home_("pictavo-home") {
  setenv("PICTAVO_HOME", home_.path().c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home_.path() + "/config").c_str(), 1);
  unsetenv("PICTAVO_SERVICE_URL");
  resetProgramFolders();
  std::string error;
  ready_ = startImageLibrary(&error);
  if (!ready_) std::fprintf(stderr, "image library did not start: %s\n", error.c_str());
}

TestEnvironment::~TestEnvironment() {
  if (ready_) MagickWandTerminus();
}

}  // namespace pictavo::test
