#include "platform/folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/test_files.h"
#include "util/paths.h"

namespace pictavo {
namespace {

// Sets environment variables for one test and puts the old values back afterwards.
class ScopedEnvironment {
 public:
  void set(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second)
        setenv(it->first, it->second->c_str(), 1);
      else
        unsetenv(it->first);
    }
    resetProgramFolders();
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

struct TempRule {
  const char* name;
  const char* program;     // below the test's home folder
  const char* foreignTemp;  // what already stands at the desktop temp name: "", "link", "file"
  bool usesSystemTemp;
};

class TemporaryFolder : public testing::TestWithParam<TempRule> {};

// A program folder on the desktop keeps its temporary files in the user's own private folder
// of the system's temporary folder; anywhere else, or when that name is taken by something
// that is not the user's folder, it uses "temp" in the program folder.
TEST_P(TemporaryFolder, FollowsTheDesktopRule) {
  const TempRule rule = GetParam();
  test::TempDir dir;
  std::string home = dir.file("home"), tmp = dir.file("tmp");
  std::filesystem::create_directories(home + "/Desktop");
  std::filesystem::create_directories(tmp);
  std::string systemTemp = tmp + "/PictavoDzxcTemp-" + std::to_string(getuid());
  if (std::string(rule.foreignTemp) == "link") {
    std::filesystem::create_directories(dir.file("elsewhere"));
    std::filesystem::create_directory_symlink(dir.file("elsewhere"), systemTemp);
  } else if (std::string(rule.foreignTemp) == "file") {
    test::writeBytes(systemTemp, "");
  }
  ScopedEnvironment environment;
  environment.set("HOME", home);
  environment.set("XDG_CONFIG_HOME", home + "/.config");
  environment.set("TMPDIR", tmp);
  environment.set("PICTAVO_HOME", home + "/" + rule.program);
  resetProgramFolders();

  std::string error;
  ASSERT_TRUE(ensureProgramFolders(&error)) << error;
  std::string expected = rule.usesSystemTemp ? systemTemp : home + "/" + rule.program + "/temp";
  EXPECT_EQ(programFolders().temp, fromFsName(expected).value());
  struct stat info {};
  ASSERT_EQ(lstat(expected.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  if (rule.usesSystemTemp) {
    EXPECT_EQ(info.st_mode & 0777, 0700u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TemporaryFolder,
    testing::Values(TempRule{"OnTheDesktop", "Desktop/相册", "", true},
                    TempRule{"ElsewhereInHome", "data/相册", "", false},
                    TempRule{"DesktopNameTakenByALink", "Desktop/相册", "link", false},
                    TempRule{"DesktopNameTakenByAFile", "Desktop/相册", "file", false}),
    [](const testing::TestParamInfo<TempRule>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pictavo
