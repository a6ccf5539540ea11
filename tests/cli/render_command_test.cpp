// A project made on the command line, saved, and rendered again from its file.
#include <gtest/gtest.h>

#include "music/track_analysis.h"
#include "project/project_file.h"
#include "support/make_audio.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::shellQuote;

TEST(RenderCommand, RendersTheProjectThatMakeSaved) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("a.png"), 64, 48, "#ff0000", "PNG");
  test::writeSolidPicture(dir.file("b.png"), 64, 48, "#0000ff", "PNG");
  auto made = test::runCli("make -o first.mp4 --size 160x128 --pause 0.2 --effect 31 --save 项目.dat a.png b.png",
                           dir.path());
  ASSERT_EQ(made.exitCode, 0) << made.output;

  // The project names its pictures by absolute paths, so it opens from anywhere.
  Project saved;
  UserMessage message;
  ASSERT_TRUE(openProject(saved, fromFsName(dir.file("项目.dat")).value(), &message,
                          withMp3Analysis()))
      << message.text;
  ASSERT_EQ(saved.pictures.size(), 2u);
  EXPECT_EQ(saved.pictures[1].path, fromFsName(dir.file("b.png")).value());
  EXPECT_EQ(saved.pictures[1].animationIndex, 31);

  auto rendered = test::runCli("render " + shellQuote(dir.file("项目.dat")) + " -o " +
                               shellQuote(dir.file("again.mp4")));
  ASSERT_EQ(rendered.exitCode, 0) << rendered.output;
  double first = test::ffprobeSeconds(dir.file("first.mp4"));
  EXPECT_GT(first, 0.5);
  EXPECT_NEAR(test::ffprobeSeconds(dir.file("again.mp4")), first, 0.05);
}

TEST(RenderCommand, RefusesWhatItCannotRender) {
  test::TempDir dir;
  test::writeBytes(dir.file("broken.dat"), "{ not json");
  auto broken = test::runCli("render broken.dat -o out.mp4", dir.path());
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_NE(broken.output.find("文件格式不对！"), std::string::npos) << broken.output;
  EXPECT_EQ(test::runCli("render broken.dat", dir.path()).exitCode, 2);
  auto missing = test::runCli("render none.dat -o out.mp4", dir.path());
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.output.find("读取文件时出错"), std::string::npos) << missing.output;
}

}  // namespace
}  // namespace pictavo
