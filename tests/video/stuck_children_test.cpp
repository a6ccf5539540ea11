// Children that hang: an encoder that never opens its named pipe and a cover tool that
// never ends. The run neither waits for them forever nor leaves them running.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/folders.h"
#include "support/fake_tools.h"
#include "support/media_probe.h"
#include "support/recording_observer.h"
#include "support/test_files.h"
#include "video/generation_run.h"

namespace pictavo {
namespace {

int pidIn(const std::string& file) {
  std::string text = test::readBytes(file);
  return text.empty() ? 0 : std::stoi(text);
}

class StuckChildren : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    tempBefore_ = test::tempFolderEntries();
    project_.settings.width = 160;
    project_.settings.height = 128;
    project_.settings.musicOn = false;
    ImageItem item;
    item.path = dir_.file("p.jpg");
    item.setEffect(99);
    test::writeSolidPicture(item.path, 160, 128, "#ff0000", "JPEG");
    project_.pictures = {item, item};
  }
  void TearDown() override { EXPECT_EQ(test::tempFolderEntries(), tempBefore_); }

  test::TempDir dir_;
  Project project_;
  std::set<std::string> tempBefore_;
};

TEST_F(StuckChildren, EncoderThatNeverOpensThePipeIsReplacedByStandardInput) {
  // Through standard input the stand-in hands over to the real encoder, or fails.
  for (auto [standardInput, end] : {std::pair{"exec ffmpeg \"$@\"", "finished"},
                                    std::pair{"echo 'pipe:0: Invalid data' >&2; exit 1", "failed"}}) {
    SCOPED_TRACE(standardInput);
    test::clearErrorLog();
    test::FakeTool ffmpeg("ffmpeg", std::string("case \"$*\" in *image2pipe*) echo $$ > \"$PIDFILE\"; "
                                                "exec sleep 60;; esac\n") + standardInput);
    EncoderModeFlag mode;
    test::RecordingObserver observer;
    GenerationOptions options;
    options.mode = &mode;
    options.pipeOpenTimeoutMs = 300;
    GenerationRun run(project_, Preferences(), dir_.file("out.mp4"), -1, observer, options);
    std::string error;
    ASSERT_TRUE(run.start(&error)) << error;
    run.wait();
    EXPECT_EQ(observer.ends(), std::vector<std::string>{end});
    EXPECT_EQ(ffmpeg.invocations().size(), 2u);
    EXPECT_FALSE(test::processAlive(pidIn(ffmpeg.pidFile())));
    EXPECT_NE(test::errorLogText().find("did not open the pipe within 300 ms"), std::string::npos);
    if (std::string(end) == "failed") {
      EXPECT_NE(observer.failure().find("pipe:0: Invalid data"), std::string::npos);
    }
  }
}

TEST_F(StuckChildren, StopFromAnotherThreadReachesACoverToolThatNeverEnds) {
  // It ignores SIGTERM too: only the kill after the second grace period ends it.
  test::FakeTool parsley("AtomicParsley", "echo $$ > \"$PIDFILE\"; trap '' TERM; exec sleep 60");
  project_.settings.coverOn = true;
  project_.settings.coverPath = project_.pictures[0].path;
  test::RecordingObserver observer;
  GenerationOptions options;
  options.cancelGraceMs = 200;
  GenerationRun run(project_, Preferences(), dir_.file("out.mp4"), -1, observer, options);
  std::string error;
  ASSERT_TRUE(run.start(&error)) << error;
  for (int i = 0; i < 3000 && pidIn(parsley.pidFile()) == 0 && !run.done(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  int tool = pidIn(parsley.pidFile());
  ASSERT_NE(tool, 0) << "the cover tool never started";
  auto stopped = std::chrono::steady_clock::now();
  std::thread([&] { run.cancel(); }).join();
  run.wait();
  EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(3));
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"cancelled"});
  EXPECT_FALSE(test::processAlive(tool));
  test::MediaInfo video = test::probeMedia(dir_.file("out.mp4"));
  EXPECT_TRUE(video.stream("video") && !video.artwork()) << "the video stays, without cover";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2) << "a tagged copy is left";
}

}  // namespace
}  // namespace pictavo
