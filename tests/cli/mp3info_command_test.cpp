#include <gtest/gtest.h>

#include "music/mp3_analysis.h"
#include "support/make_audio.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

using test::shellQuote;

test::CommandResult mp3info(const std::string& arguments) {
  return test::runCli("mp3info " + arguments);
}

TEST(Mp3InfoCommand, PrintsDurationAndSampleRateOrRefusesTheFile) {
  test::TempDir dir;
  std::string good = dir.file("歌.mp3");
  ASSERT_EQ(test::makeSineAudio(good, 2, "-ar 22050 -ac 1 -c:a libmp3lame"), "");
  test::writeBytes(dir.file("text.mp3"), std::string(1000, 'x'));
  int rate = 0;
  float ms = analyseMp3(test::g(good.c_str()), &rate);

  auto run = mp3info(shellQuote(good));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find(strprintf("时长 %.3f 毫秒 (00:00:02), 采样率 22050 Hz", ms)),
            std::string::npos)
      << run.output;

  run = mp3info(shellQuote(good) + " " + shellQuote(dir.file("text.mp3")) + " " +
                shellQuote(dir.file("none.mp3")));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("text.mp3: 无法读取, 或者不是有效的MP3文件"), std::string::npos);
  EXPECT_NE(run.output.find("none.mp3: 无法读取, 或者不是有效的MP3文件"), std::string::npos);
  EXPECT_NE(run.output.find("采样率 22050 Hz"), std::string::npos);

  EXPECT_EQ(mp3info("").exitCode, 2);
}

}  // namespace
}  // namespace pictavo
