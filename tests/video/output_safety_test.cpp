// What a run does to the file it writes: it never lands on one of the project's own files,
// finishes only with a complete MP4, and removes what it wrote when it fails or is stopped.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>

#include "platform/folders.h"
#include "platform/unfinished_files.h"
#include "support/fake_tools.h"
#include "support/make_audio.h"
#include "support/recording_observer.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "video/generation_run.h"
#include "video/mp4_check.h"
#include "video/output_file.h"

namespace pictavo {
namespace {

using test::FakeTool;
using test::g;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string box(const char* type, const std::string& body) {
  uint32_t size = static_cast<uint32_t>(8 + body.size());
  std::string bytes = {static_cast<char>(size >> 24), static_cast<char>(size >> 16),
                       static_cast<char>(size >> 8), static_cast<char>(size)};
  return bytes + type + body;
}

TEST(Mp4Check, OnlyWholeFilesWithAMovieIndexPass) {
  test::TempDir dir;
  std::string real = dir.file("real.mp4");
  ASSERT_EQ(test::makeSineAudio(real, 0.5, "-c:a aac"), "");
  const std::string made = test::readBytes(real);
  const std::string ftyp = box("ftyp", "isom0000");
  // A box whose 32-bit size is 1 carries a 64-bit size after its type; size 0 runs to the end.
  const std::string large =
      std::string("\0\0\0\1free", 8) + std::string("\0\0\0\0\0\0\0\x14", 8) + "abcd";
  const std::string toEnd = std::string("\0\0\0\0mdat", 8) + "frames";
  struct Case {
    const char* name;
    std::string bytes;
    uint64_t minimum;
    bool complete;
  };
  const Case cases[] = {
      {"made by ffmpeg", made, made.size(), true},
      {"smaller than required", made, made.size() + 1, false},
      {"cut inside a box", made.substr(0, made.size() - 1), 1, false},
      {"cut inside a header", made.substr(0, ftyp.size() + 4), 1, false},
      {"64-bit size and open end", ftyp + box("moov", "") + large + toEnd, 1, true},
      {"no movie index", ftyp + box("mdat", "frames"), 1, false},
      {"box smaller than its header", ftyp + std::string("\0\0\0\4moov", 8), 1, false},
      {"JPEG bytes", "\xFF\xD8\xFF\xE0 frames", 1, false},
  };
  for (const Case& c : cases) {
    test::writeBytes(dir.file("f.mp4"), c.bytes);
    EXPECT_EQ(mp4Problem(dir.file("f.mp4"), c.minimum).empty(), c.complete) << c.name;
  }
}

class OutputSafety : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    project_.settings.width = 64;
    project_.settings.height = 48;
    project_.settings.pauseFrames = 5;
    project_.settings.musicOn = false;
    for (const char* name : {"a.jpg", "b.jpg"}) {
      test::writeSolidPicture(dir_.file(name), 64, 48, "#ff0000", "JPEG");
      ImageItem item;
      item.path = dir_.file(name);
      item.setEffect(99);
      project_.pictures.push_back(item);
    }
  }

  // Runs to the end; `cancelAt` stops the run before that picture (0: never), after
  // `beforeCancel`.
  void generate(test::RecordingObserver& observer, int cancelAt = 0,
                const std::function<void()>& beforeCancel = {}) {
    GenerationRun* running = nullptr;
    observer.onPicture = [&](int number) {
      if (number != cancelAt) return;
      if (beforeCancel) beforeCancel();
      running->cancel();
    };
    EncoderModeFlag mode;
    mode.setAnonymous();
    GenerationOptions options;
    options.mode = &mode;
    GenerationRun run(project_, Preferences(), out_, -1, observer, options);
    running = &run;
    std::string error;
    EXPECT_TRUE(run.start(&error)) << utf8(error);
    run.wait();
  }

  test::TempDir dir_;
  Project project_;
  std::string out_ = dir_.file("out.mp4");
};

TEST_F(OutputSafety, AnOutputThatIsOneOfTheProjectsFilesIsRefusedBeforeAnythingRuns) {
  FakeTool ffmpeg("ffmpeg", std::string(test::kStartMp4) + "\ncat >> \"$OUT\"");
  test::writeSolidPicture(dir_.file("cover.png"), 8, 8, "#00ff00", "PNG");
  test::writeBytes(dir_.file("project.dat"), "{}");
  project_.settings.coverPath = dir_.file("cover.png");  // switched off, still the user's file
  project_.path = dir_.file("project.dat");
  std::filesystem::create_hard_link(dir_.file("b.jpg"), dir_.file("hard link.mp4"));
  std::filesystem::create_symlink(dir_.file("cover.png"), dir_.file("symlink.mp4"));
  std::filesystem::create_directory(dir_.file("sub"));
  struct Case {
    std::string output, input;
  };
  const Case cases[] = {
      {dir_.path() + "/./sub/../a.jpg", dir_.file("a.jpg")},
      {dir_.file("hard link.mp4"), dir_.file("b.jpg")},
      {dir_.file("symlink.mp4"), dir_.file("cover.png")},
      {dir_.file("project.dat"), dir_.file("project.dat")},
  };
  for (const Case& c : cases) {
    std::string before = test::readBytes(c.output);
    test::RecordingObserver observer;
    std::string error;
    EXPECT_FALSE(GenerationRun(project_, Preferences(), c.output, -1, observer).start(&error))
        << c.output;
    EXPECT_TRUE(contains(error, c.input)) << utf8(error);
    EXPECT_EQ(test::readBytes(c.output), before);
  }
  // Neither exists yet: the same absolute path is the same file.
  project_.settings.coverPath = dir_.file("later.mp4");
  test::RecordingObserver observer;
  std::string error;
  EXPECT_FALSE(GenerationRun(project_, Preferences(), dir_.file("sub/../later.mp4"), -1, observer)
                   .start(&error));
  EXPECT_TRUE(ffmpeg.invocations().empty());
  out_ = dir_.file("video.mp4");
  generate(observer);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"finished"}) << "a name of its own is fine";
}

TEST_F(OutputSafety, AnEncoderThatEndsWellWithoutACompleteMp4FailsTheRun) {
  for (const char* encoder : {"cat > /dev/null",                   // no file at all
                              "cat > /dev/null; : > \"$OUT\"",      // an empty file
                              "cat > \"$OUT\""}) {                  // frames, not an MP4
    SCOPED_TRACE(encoder);
    FakeTool ffmpeg("ffmpeg", encoder);
    test::RecordingObserver observer;
    generate(observer);
    EXPECT_EQ(observer.ends(), std::vector<std::string>{"failed"});
    EXPECT_TRUE(contains(observer.failure(), out_)) << utf8(observer.failure());
    EXPECT_FALSE(std::filesystem::exists(out_)) << "the broken file is removed";
  }
}

// The encoder writes a hidden file beside the chosen name, which takes the name only when
// the video is complete: a failed or stopped run leaves an earlier video as it was and no
// file of its own behind.
TEST_F(OutputSafety, AFailedOrStoppedRunLeavesAnEarlierVideoAndNothingOfItsOwn) {
  const std::string failing = "head -c 3000 > \"$OUT\"; echo 'disk full' >&2; exit 1";
  const std::string stalling = "cat > \"$OUT\"";
  auto entries = [&] {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
      names.insert(entry.path().filename().string());
    return names;
  };
  for (bool cancel : {false, true}) {
    for (bool existed : {false, true}) {
      SCOPED_TRACE(std::string(cancel ? "stopped" : "failed") + (existed ? ", over a file" : ""));
      if (existed) test::writeBytes(out_, "an older video");
      std::set<std::string> before = entries();
      FakeTool ffmpeg("ffmpeg", cancel ? stalling : failing);
      test::RecordingObserver observer;
      generate(observer, cancel ? 2 : 0);
      EXPECT_EQ(observer.ends(), std::vector<std::string>{cancel ? "cancelled" : "failed"});
      ASSERT_EQ(ffmpeg.invocations().size(), 1u);
      EXPECT_NE(ffmpeg.invocations()[0].find(dir_.path() + "/.pictavo-"), std::string::npos)
          << ffmpeg.invocations()[0];
      EXPECT_EQ(entries(), before);
      if (existed) {
        EXPECT_EQ(test::readBytes(out_), "an older video");
      }
      std::filesystem::remove(out_);
    }
  }
}

// While the encoder writes, the hidden file is held for the crash and interrupt handlers: what
// they do on an abrupt end removes it.
TEST_F(OutputSafety, TheVideoBeingWrittenIsRemovedByAnAbruptEnd) {
  FakeTool ffmpeg("ffmpeg", "cat > \"$OUT\"");
  std::string hidden;
  test::RecordingObserver observer;
  generate(observer, 2, [&] {
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
      if (entry.path().filename().string().rfind(".pictavo-", 0) == 0) hidden = entry.path();
    ASSERT_FALSE(hidden.empty());
    removeUnfinishedFiles();
    EXPECT_FALSE(std::filesystem::exists(hidden));
  });
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"cancelled"});
}

// A hidden video outlives its run only when no handler saw the end (a kill, a power cut). The
// next run into the folder removes such files once nobody has written to them for a while and
// nobody holds them; a run still writing holds its own, and other files stay.
TEST_F(OutputSafety, HiddenVideosLeftByKilledRunsGoWithTheNextRunIntoTheirFolder) {
  FakeTool ffmpeg("ffmpeg", std::string(test::kStartMp4) + "\ncat >> \"$OUT\"");
  auto age = [](const std::string& path) {
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                               std::chrono::seconds(kAbandonedVideoSeconds + 60));
  };
  const std::vector<std::string> abandoned = {".pictavo-Ab3dE9.mp4", ".pictavo-Ab3dE9-1765300000.mp4"};
  const std::vector<std::string> kept = {".pictavo-fresh1.mp4", "holiday.mp4", ".pictavo-notes.txt"};
  for (const std::string& name : abandoned) test::writeBytes(dir_.file(name), "left by a kill");
  for (const std::string& name : kept) test::writeBytes(dir_.file(name), "kept");
  for (const std::string& name : abandoned) age(dir_.file(name));
  age(dir_.file("holiday.mp4"));
  age(dir_.file(".pictavo-notes.txt"));
  EncodingOutput live;
  std::string error;
  ASSERT_TRUE(live.create(dir_.file("live.mp4"), &error)) << utf8(error);
  age(live.path());

  test::RecordingObserver observer;
  generate(observer);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"finished"});
  for (const std::string& name : abandoned) EXPECT_FALSE(std::filesystem::exists(dir_.file(name))) << name;
  for (const std::string& name : kept) EXPECT_TRUE(std::filesystem::exists(dir_.file(name))) << name;
  EXPECT_TRUE(std::filesystem::exists(live.path())) << "a live run's video is held";
}

// The video takes the place of the file a symbolic link at the chosen name leads to; the
// link stays.
TEST_F(OutputSafety, AVideoSavedThroughALinkReplacesTheFileItLeadsTo) {
  FakeTool ffmpeg("ffmpeg", std::string(test::kStartMp4) + "\ncat >> \"$OUT\"");
  test::TempDir videos;
  test::writeBytes(videos.file("old.mp4"), "an older video");
  std::filesystem::create_symlink(videos.file("old.mp4"), out_);
  test::RecordingObserver observer;
  generate(observer);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"finished"});
  EXPECT_TRUE(std::filesystem::is_symlink(out_));
  EXPECT_TRUE(mp4Problem(videos.file("old.mp4"), 1).empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(videos.path()), {}), 1);
}

}  // namespace
}  // namespace pictavo
