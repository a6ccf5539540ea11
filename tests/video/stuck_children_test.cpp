// Child processes that hang: an encoder that never opens its named pipe and a cover tool
// that never ends. The run neither waits for them forever nor leaves them running.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/folders.h"
#include "support/fake_tools.h"
#include "support/media_probe.h"
#include "support/recording_observer.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "video/generation_checks.h"
#include "video/generation_run.h"

namespace pictavo {
namespace {

using Clock = std::chrono::steady_clock;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

int pidIn(const std::string& file) {
  std::string text = test::readBytes(file);
  return text.empty() ? 0 : std::stoi(text);
}

class StuckChildren : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    test::clearErrorLog();
    tempBefore_ = test::tempFolderEntries();
    project_.settings.videoSize = project_.sizes.addCustom(160, 120);
    project_.settings.width = 160;
    project_.settings.height = 120;
    project_.settings.selectPause(11);
    project_.settings.musicOn = false;
    for (const char* colour : {"#ff0000", "#0000ff"}) {
      std::string path = dir_.file(std::string("p") + colour + ".jpg");
      test::writeSolidPicture(path, 160, 120, colour, "JPEG");
      ImageItem item;
      item.path = path;
      item.setEffect(99);
      project_.pictures.push_back(item);
    }
  }

  void TearDown() override { EXPECT_EQ(test::tempFolderEntries(), tempBefore_); }

  test::TempDir dir_;
  Project project_;
  test::RecordingObserver observer_;
  std::set<std::string> tempBefore_;
};

TEST_F(StuckChildren, EncoderThatNeverOpensThePipeIsReplacedByStandardInput) {
  // Through standard input the stand-in either hands over to the real encoder or fails.
  const struct {
    const char* standardInput;
    const char* end;
  } cases[] = {{"exec ffmpeg \"$@\"", "finished"},
               {"echo 'pipe:0: Invalid data' >&2; exit 1", "failed"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.standardInput);
    test::clearErrorLog();
    test::FakeTool ffmpeg("ffmpeg", std::string("case \"$*\" in *image2pipe*) echo $$ > \"$PIDFILE\"; "
                                                "exec sleep 60;; esac\n") + c.standardInput);
    EncoderModeFlag mode;
    test::RecordingObserver observer;
    GenerationOptions options;
    options.mode = &mode;
    options.pipeOpenTimeoutMs = 300;
    GenerationRun run(project_, Preferences(), dir_.file("out.mp4"), -1, observer, options);
    std::string error;
    ASSERT_TRUE(run.start(&error)) << error;
    run.wait();
    EXPECT_EQ(observer.ends(), std::vector<std::string>{c.end});
    EXPECT_EQ(ffmpeg.invocations().size(), 2u);
    EXPECT_TRUE(mode.anonymous());
    EXPECT_FALSE(test::processAlive(pidIn(ffmpeg.pidFile())));
    EXPECT_TRUE(contains(test::errorLogText(), "did not open the pipe within 300 ms")) << test::errorLogText();
    if (std::string(c.end) == "finished")
      EXPECT_TRUE(test::probeMedia(dir_.file("out.mp4")).stream("video"));
    else
      EXPECT_TRUE(contains(observer.failure(), test::g("生成视频时发生错误：\n\npipe:0: Invalid data")));
  }
}

TEST_F(StuckChildren, StopReachesACoverToolThatNeverEnds) {
  // It ignores SIGTERM as well: only the kill after the second grace period ends it.
  test::FakeTool parsley("AtomicParsley", "echo $$ > \"$PIDFILE\"; trap '' TERM; exec sleep 60");
  project_.settings.coverOn = true;
  project_.settings.coverPath = project_.pictures[0].path;
  ProjectCheck check = checkProject(project_);
  ASSERT_TRUE(check.ok) << utf8(check.message);
  GenerationOptions options;
  options.cancelGraceMs = 200;
  GenerationRun run(project_, Preferences(), dir_.file("out.mp4"), check.sampleRate, observer_, options);
  std::string error;
  ASSERT_TRUE(run.start(&error)) << error;
  auto deadline = Clock::now() + std::chrono::seconds(60);
  while (pidIn(parsley.pidFile()) == 0 && !run.done() && Clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  int tool = pidIn(parsley.pidFile());
  ASSERT_NE(tool, 0) << "the cover tool never started";
  // From another thread, as the window's stop button does.
  auto stopped = Clock::now();
  std::thread([&] { run.cancel(); }).join();
  run.wait();
  EXPECT_LT(Clock::now() - stopped, std::chrono::seconds(3));
  EXPECT_EQ(observer_.ends(), std::vector<std::string>{"cancelled"});
  EXPECT_FALSE(test::processAlive(tool));
  test::MediaInfo video = test::probeMedia(dir_.file("out.mp4"));
  EXPECT_TRUE(video.stream("video")) << "the encoded video stays";
  EXPECT_FALSE(video.artwork());
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
    EXPECT_FALSE(contains(entry.path().filename().string(), "out-")) << "tagged copy left behind";
}

}  // namespace
}  // namespace pictavo
