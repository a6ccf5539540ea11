// Children that hang: an encoder that never opens its named pipe and a cover tool that
// never ends. The run neither waits for them forever nor leaves them running.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "platform/folders.h"
#include "support/fake_tools.h"
#include "support/media_probe.h"
#include "support/recording_observer.h"
#include "support/test_files.h"
#include "util/charset.h"
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
    test::FakeTool ffmpeg("ffmpeg", std::string("case \"$*\" in *pipe:0*) ;; *) echo $$ > \"$PIDFILE\"; "
                                                "exec sleep 60;; esac\n") + standardInput);
    EncoderModeFlag mode;
    test::RecordingObserver observer;
    GenerationOptions options;
    options.mode = &mode;
    options.pipeOpenTimeoutMs = 300;
    // Small JPEG frames, which the pipe holds until the real encoder has started: raw ones
    // would fill it at once and make its start-up count against the short limit.
    Preferences preferences;
    preferences.framePipe = FramePipe::Mjpeg;
    GenerationRun run(project_, preferences, dir_.file("out.mp4"), -1, observer, options);
    std::string error;
    ASSERT_TRUE(run.start(&error)) << error;
    run.wait();
    EXPECT_EQ(observer.ends(), std::vector<std::string>{end}) << utf8(observer.failure());
    EXPECT_EQ(ffmpeg.invocations().size(), 2u);
    EXPECT_FALSE(test::processAlive(pidIn(ffmpeg.pidFile())));
    EXPECT_NE(test::errorLogText().find("did not open the pipe within 300 ms"), std::string::npos);
    if (std::string(end) == "failed") {
      EXPECT_NE(observer.failure().find("pipe:0: Invalid data"), std::string::npos);
    }
  }
}

// An encoder that lives but stops reading fails the run after the same limit as an unopened
// pipe, on either transport; one that reads slowly stops at once on a stop, also while the
// frames queued after the last picture are written (not after the encoder's grace).
TEST_F(StuckChildren, EncoderThatStopsReadingIsStoppedAndFailsTheRun) {
  project_.settings.pauseFrames = 2000;  // far more frames than the pipe holds
  struct Case {
    const char* name;
    bool standardInput;
    std::string body;
    bool stop;
  };
  const Case cases[] = {
      {"never reads its input", true, "exec sleep 60", false},
      {"opens the pipe, never reads", false, "exec 3< \"$IN\"; exec sleep 60", false},
      {"reads slowly, stopped", true,
       "while [ \"$(head -c 16384 | wc -c)\" -gt 0 ]; do sleep 0.02; done", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::clearErrorLog();
    test::FakeTool ffmpeg("ffmpeg", "echo $$ > \"$PIDFILE\"\n" + c.body);
    EncoderModeFlag mode;
    if (c.standardInput) mode.setAnonymous();
    test::RecordingObserver observer;
    GenerationOptions options;
    options.mode = &mode;
    options.pipeOpenTimeoutMs = 400;
    options.cancelGraceMs = c.stop ? 3000 : 100;
    GenerationRun run(project_, Preferences(), dir_.file("out.mp4"), -1, observer, options);
    std::string error;
    ASSERT_TRUE(run.start(&error)) << error;
    auto stopped = std::chrono::steady_clock::now();
    if (c.stop) {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the pictures are queued by then
      stopped = std::chrono::steady_clock::now();
      run.cancel();
    }
    {
      // Should the run wait for good, killing the stand-in after 10 s ends it (and the test).
      std::jthread watchdog([&](std::stop_token done) {
        for (int tick = 0; tick < 1000 && !done.stop_requested(); ++tick)
          std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!done.stop_requested()) ::kill(pidIn(ffmpeg.pidFile()), SIGKILL);
      });
      run.wait();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::milliseconds(c.stop ? 1500 : 3000));
    EXPECT_EQ(observer.ends(), std::vector<std::string>{c.stop ? "cancelled" : "failed"});
    if (!c.stop) {
      EXPECT_NE(observer.failure().find(test::g("ffmpeg 已有 0.4 秒没有读取视频画面")), std::string::npos)
          << utf8(observer.failure());
      EXPECT_NE(test::errorLogText().find("thread_make_video"), std::string::npos);
    }
    EXPECT_EQ(ffmpeg.invocations().size(), 1u);
    EXPECT_FALSE(test::processAlive(pidIn(ffmpeg.pidFile())));
    EXPECT_FALSE(std::filesystem::exists(dir_.file("out.mp4")));
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
