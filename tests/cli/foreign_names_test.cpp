// File names GBK cannot hold (Korean, accented Latin letters, emoji) go through every
// command: made into a video, saved, rendered again from the project, described and framed.
#include <gtest/gtest.h>

#include <filesystem>

#include "music/track_analysis.h"
#include "project/project_file.h"
#include "support/media_probe.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::shellQuote;

bool says(const test::CommandResult& run, const std::string& text) {
  return run.output.find(text) != std::string::npos;
}

TEST(ForeignNames, PicturesAndFoldersGbkCannotHoldGoThroughEveryCommand) {
  const struct {
    const char* picture;  // UTF-8 file names
    const char* folder;
  } cases[] = {
      {"사진 한 장.png", "출력"},
      {"é ø ñ.jpg", "dossier é ø"},
      {"😀 smile.png", "📁"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture);
    test::TempDir dir;
    const std::string picture = dir.file(c.picture);
    test::writeSolidPicture(picture, 64, 48, "#ff0000", "PNG");
    std::filesystem::create_directory(dir.file(c.folder));
    const std::string out = dir.file(c.folder) + "/";

    auto made = test::runCli("make -o " + shellQuote(out + c.picture + ".mp4") +
                             " --size 160x128 --pause 0.2 --effect 31 --caption " +
                             shellQuote(c.picture) + " --save " + shellQuote(out + "项目.dat") +
                             " " + shellQuote(picture) + " " + shellQuote(picture));
    ASSERT_EQ(made.exitCode, 0) << made.output;
    EXPECT_TRUE(test::probeMedia(out + c.picture + ".mp4").stream("video"));

    // The project holds the name and the caption in their four-byte forms, and reads back.
    const std::string internalName = utf8ToGb18030Strict(c.picture).value();
    EXPECT_NE(test::readBytes(out + "项目.dat").find("/" + internalName), std::string::npos);
    Project saved;
    UserMessage message;
    ASSERT_TRUE(openProject(saved, fromFsName(out + "项目.dat").value(), &message, withMp3Analysis())) << message.text;
    ASSERT_EQ(saved.pictures.size(), 2u);
    EXPECT_EQ(saved.pictures[0].path, fromFsName(picture).value());
    EXPECT_EQ(saved.pictures[0].fileName, internalName);
    EXPECT_EQ(saved.pictures[0].caption.text, internalName);

    auto rendered = test::runCli("render " + shellQuote(out + "项目.dat") + " -o " +
                                 shellQuote(out + "again.mp4"));
    ASSERT_EQ(rendered.exitCode, 0) << rendered.output;
    EXPECT_NEAR(test::probeMedia(out + "again.mp4").duration,
                test::probeMedia(out + c.picture + ".mp4").duration, 0.05);

    auto info = test::runCli("info " + shellQuote(picture));
    EXPECT_EQ(info.exitCode, 0) << info.output;
    EXPECT_TRUE(says(info, c.picture)) << info.output;
    EXPECT_TRUE(says(info, "尺寸: 64 x 48")) << info.output;

    auto frame = test::runCli("frame " + shellQuote(picture) + " " + shellQuote(out + c.picture + ".jpg") +
                              " --size 160x128");
    ASSERT_EQ(frame.exitCode, 0) << frame.output;
    std::string jpeg = test::readBytes(out + c.picture + ".jpg");
    WandPtr decoded = test::decode(reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(test::near(test::pixelAt(decoded.get(), 80, 64), {255, 0, 0}, 24));
  }
}

}  // namespace
}  // namespace pictavo
