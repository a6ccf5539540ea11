#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using test::shellQuote;

test::CommandResult cli(const std::string& arguments, const std::string& folder = "") {
  return test::runCli(arguments, folder);
}

TEST(FrameCommand, FitsAPictureOntoTheFrame) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("相片.png"), 300, 100, "#ff0000", "PNG");
  auto run = cli("frame " + shellQuote(dir.file("相片.png")) + " " + shellQuote(dir.file("out.jpg")) +
                 " --size 200x200 --background white --turn 90");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::string jpeg = test::readBytes(dir.file("out.jpg"));
  WandPtr frame = test::decode(reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
  ASSERT_TRUE(frame);
  EXPECT_EQ(MagickGetImageWidth(frame.get()), 200u);
  // Turned upright, 100 x 300 becomes 67 x 200, centred on white.
  EXPECT_TRUE(test::near(test::pixelAt(frame.get(), 100, 100), {255, 0, 0}, 24));
  EXPECT_TRUE(test::near(test::pixelAt(frame.get(), 10, 100), {255, 255, 255}, 24));
}

TEST(FrameCommand, EmbeddedDefaultWritesFrameJpg) {
  test::TempDir dir;
  auto run = cli("frame", dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("1280x720"), std::string::npos);
  EXPECT_GT(test::readBytes(dir.file("frame.jpg")).size(), 1000u);
}

TEST(FrameCommand, RefusesBadArguments) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("a.png"), 10, 10, "#ff0000", "PNG");
  EXPECT_EQ(cli("frame " + shellQuote(dir.file("a.png")) + " o.jpg --size 201x200", dir.path()).exitCode, 2);
  EXPECT_EQ(cli("frame " + shellQuote(dir.file("a.png")) + " o.jpg --background red", dir.path()).exitCode, 2);
  auto notUtf8 = cli("frame " + shellQuote(dir.file("a\xFF.png")) + " o.jpg", dir.path());
  EXPECT_EQ(notUtf8.exitCode, 2);
  EXPECT_NE(notUtf8.output.find("文件名含有本软件无法处理的字符"), std::string::npos) << notUtf8.output;
  test::writeBytes(dir.file("text.jpg"), "hello");
  auto text = cli("frame " + shellQuote(dir.file("text.jpg")) + " o.jpg", dir.path());
  EXPECT_EQ(text.exitCode, 1);
  EXPECT_NE(text.output.find("MagickReadImage() 发生错误"), std::string::npos) << text.output;
}

TEST(InfoCommand, PrintsTheInformationLineOrTheInvalidText) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("a.gif"), 12, 7, "#00ff00", "GIF");
  test::writeBytes(dir.file("b.png"), "not a png");
  auto run = cli("info " + shellQuote(dir.file("a.gif")) + " " + shellQuote(dir.file("b.png")));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("尺寸: 12 x 7, 类型: GIF 图片, 大小:"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("注意: 这不是一个有效的图片"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace pictavo
