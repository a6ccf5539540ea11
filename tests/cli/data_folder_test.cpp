// A copy of pictavo-cli whose data folder (../share/pictavo) is missing or incomplete stops
// with a message naming the folder it looked in.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_command.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, MissingOrIncompleteDataIsNamedNotUsed) {
  const struct {
    const char* made;  // what exists under share/pictavo; nullptr for no folder at all
    const char* message;
  } cases[] = {
      {nullptr, "找不到程序的数据文件夹: "},
      {"icons", "程序的数据文件夹中缺少可读的 magick/policy.xml: "},
  };
  for (const auto& c : cases) {
    test::TempDir copy;
    fs::create_directories(copy.file("bin"));
    fs::copy_file(PICTAVO_CLI_PATH, copy.file("bin/pictavo-cli"));
    if (c.made) fs::create_directories(copy.file(std::string("share/pictavo/") + c.made));
    auto run = test::runCommand("cd " + test::shellQuote(copy.path()) + " && bin/pictavo-cli frame");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find(std::string(c.message) + copy.file("share/pictavo")), std::string::npos)
        << run.output;
    EXPECT_FALSE(fs::exists(copy.file("frame.jpg")));
  }
}

}  // namespace
}  // namespace pictavo
