#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_command.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using test::shellQuote;

test::CommandResult cli(const std::string& arguments) { return test::runCli(arguments); }

TEST(FramesCommand, WritesEveryFrameAsAPngAndAgreesWithCounting) {
  test::TempDir dir;
  auto run = cli("frames --effect 99 --size 160x120 --hold 4 --caption 'Hello' --out " +
                 shellQuote(dir.file("out")));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("4 frames (counting mode 4)"), std::string::npos) << run.output;
  EXPECT_TRUE(std::filesystem::exists(dir.file("out/frame_0004.png")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("out/frame_0005.png")));
  auto count = cli("frames --effect 99 --size 160x120 --hold 7 --count");
  EXPECT_EQ(count.output, "7\n");
  EXPECT_EQ(cli("frames --size 160x120").exitCode, 2);
}

TEST(EffectsCommand, ListsEveryEffectAndNoAnimation) {
  auto run = cli("effects");
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find(" 0 逐渐缩小\n"), std::string::npos);
  EXPECT_NE(run.output.find("98 上下关门\n"), std::string::npos);
  EXPECT_NE(run.output.find("99 无动画\n"), std::string::npos);
  EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 98);
}

}  // namespace
}  // namespace pictavo
