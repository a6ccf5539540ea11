// The generation run against stand-in encoders (shell scripts in the program's tool folder):
// the fallback from the named pipe to standard input, failure texts, cancellation and the
// cleaning up after each of them.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/error_log.h"
#include "platform/folders.h"
#include "support/fake_tools.h"
#include "support/recording_observer.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "video/generation_run.h"

namespace pictavo {
namespace {

// The fallback is told with the specified MJPEG pipe, whose frames the stand-ins count.
Preferences mjpegPipe() {
  Preferences preferences;
  preferences.framePipe = FramePipe::Mjpeg;
  return preferences;
}

using test::FakeTool;
using test::g;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// JPEG frames in a byte stream: their start-of-image markers.
int jpegFrames(const std::string& bytes) {
  int frames = 0;
  for (size_t at = bytes.find("\xFF\xD8\xFF"); at != std::string::npos; at = bytes.find("\xFF\xD8\xFF", at + 3))
    ++frames;
  return frames;
}

class EncoderFallback : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    test::clearErrorLog();
    tempBefore_ = test::tempFolderEntries();
    project_.settings.width = 64;
    project_.settings.height = 48;
    project_.settings.pauseFrames = 5;
    project_.settings.musicOn = false;
    for (const char* colour : {"#ff0000", "#00ff00", "#0000ff"}) {
      std::string path = dir_.file(std::string("p") + colour + ".jpg");
      test::writeSolidPicture(path, 64, 48, colour, "JPEG");
      ImageItem item;
      item.path = path;
      item.setEffect(99);
      project_.pictures.push_back(item);
    }
  }

  void TearDown() override {
    // Nothing of a run stays in the temporary folder: no FIFO, no logo copy.
    EXPECT_EQ(test::tempFolderEntries(), tempBefore_);
  }

  // Runs to the end; the observer's `onPicture` may cancel through `run_`.
  void generate(test::RecordingObserver& observer, EncoderModeFlag& mode, int graceMs = 5000) {
    GenerationOptions options;
    options.mode = &mode;
    options.cancelGraceMs = graceMs;
    GenerationRun run(project_, mjpegPipe(), dir_.file("out.mp4"), -1, observer, options);
    run_ = &run;
    std::string error;
    ASSERT_TRUE(run.start(&error)) << error;
    run.wait();
    run_ = nullptr;
  }

  test::TempDir dir_;
  Project project_;
  GenerationRun* run_ = nullptr;
  std::set<std::string> tempBefore_;
};

TEST_F(EncoderFallback, NamedPipeFailureMakesOneMoreAttemptThroughStandardInput) {
  // Either before it reads anything or after it has read every frame.
  for (const char* namedBehaviour : {"echo 'named pipe broke' >&2; exit 1",
                                     "cat \"$IN\" > /dev/null; echo 'named pipe broke' >&2; exit 1"}) {
    SCOPED_TRACE(namedBehaviour);
    test::clearErrorLog();
    FakeTool ffmpeg("ffmpeg", std::string("case \"$*\" in *image2pipe*) ") + namedBehaviour +
                                  ";; esac\n" + test::kStartMp4 + "\ncat >> \"$OUT\"");
    EncoderModeFlag mode;
    test::RecordingObserver observer;
    generate(observer, mode);
    EXPECT_EQ(observer.ends(), std::vector<std::string>{"finished"});
    EXPECT_EQ(observer.failure(), "");
    auto calls = ffmpeg.invocations();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(contains(calls[0], "-f image2pipe")) << calls[0];
    EXPECT_TRUE(contains(calls[1], "-f mjpeg -r 25 -vcodec mjpeg -i pipe:0")) << calls[1];
    EXPECT_TRUE(mode.anonymous());
    EXPECT_EQ(jpegFrames(test::readBytes(dir_.file("out.mp4"))), 15);
    std::string log = test::errorLogText();
    EXPECT_TRUE(contains(log, "thread_run_ffmpeg_by_named_pipe\nnamed pipe broke")) << log;
  }
}

TEST_F(EncoderFallback, AfterTheFallbackEveryRunUsesStandardInput) {
  FakeTool ffmpeg("ffmpeg", std::string(test::kStartMp4) + "\ncat >> \"$OUT\"");
  EncoderModeFlag mode;
  mode.setAnonymous();
  test::RecordingObserver observer;
  generate(observer, mode);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"finished"});
  ASSERT_EQ(ffmpeg.invocations().size(), 1u);
  EXPECT_TRUE(contains(ffmpeg.invocations()[0], "pipe:0"));
  EXPECT_EQ(observer.pictures(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(observer.total(), 3);
}

TEST_F(EncoderFallback, StandardInputFailureReportsTheEncodersText) {
  FakeTool ffmpeg("ffmpeg", "head -c 100 > /dev/null; echo 'pipe:0: Invalid data found' >&2; exit 1");
  EncoderModeFlag mode;
  mode.setAnonymous();
  test::RecordingObserver observer;
  generate(observer, mode);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"failed"});
  EXPECT_TRUE(contains(observer.failure(), g("生成视频时发生错误：\n\npipe:0: Invalid data found\n")))
      << utf8(observer.failure());
  EXPECT_EQ(ffmpeg.invocations().size(), 1u);
  EXPECT_TRUE(contains(test::errorLogText(), "thread_run_ffmpeg_by_anonymous_pipe\npipe:0: Invalid data found"));
}

TEST_F(EncoderFallback, SilentStandardInputFailureGivesTheMemoryHint) {
  FakeTool ffmpeg("ffmpeg", "exit 1");
  EncoderModeFlag mode;
  mode.setAnonymous();
  test::RecordingObserver observer;
  generate(observer, mode);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"failed"});
  EXPECT_TRUE(contains(observer.failure(), g("可能是电脑当前可用内存不足造成的")));
  EXPECT_TRUE(contains(test::errorLogText(), "thread_run_ffmpeg_by_anonymous_pipe\n" + utf8(g("未知错误"))));
}

TEST_F(EncoderFallback, CancelInTheMiddleEndsCancelledWithoutOrphans) {
  FakeTool ffmpeg("ffmpeg", "echo $$ > \"$PIDFILE\"; cat \"$IN\" > /dev/null; exit 0");
  EncoderModeFlag mode;
  test::RecordingObserver observer;
  observer.onPicture = [this](int number) {
    if (number == 2) run_->cancel();
  };
  generate(observer, mode);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"cancelled"});
  EXPECT_EQ(observer.pictures(), (std::vector<int>{1, 2}));
  EXPECT_EQ(ffmpeg.invocations().size(), 1u) << "a cancelled run is not tried again";
  EXPECT_FALSE(mode.anonymous());
  EXPECT_FALSE(test::processAlive(std::stoi(test::readBytes(ffmpeg.pidFile()))));
}

TEST_F(EncoderFallback, StalledEncoderIsEndedAfterTheGracePeriod) {
  // It neither reads nor lets SIGTERM end it: the frames fill the pipe and the worker
  // blocks writing until the encoder is killed.
  FakeTool ffmpeg("ffmpeg", "echo $$ > \"$PIDFILE\"; trap '' TERM; sleep 60");
  project_.settings.pauseFrames = 400;
  EncoderModeFlag mode;
  mode.setAnonymous();
  test::RecordingObserver observer;
  GenerationOptions options;
  options.mode = &mode;
  options.cancelGraceMs = 200;
  GenerationRun run(project_, mjpegPipe(), dir_.file("out.mp4"), -1, observer, options);
  std::string error;
  ASSERT_TRUE(run.start(&error)) << error;
  while (test::readBytes(ffmpeg.pidFile()).empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  auto cancelled = std::chrono::steady_clock::now();
  run.cancel();
  run.wait();
  EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::seconds(3));
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"cancelled"});
  EXPECT_FALSE(test::processAlive(std::stoi(test::readBytes(ffmpeg.pidFile()))));
}

TEST_F(EncoderFallback, EncoderThatCannotStartFailsTheRunWithoutEndingTheProgram) {
  FakeTool ffmpeg("ffmpeg", "");
  test::writeBytes(programFolders().tool + "/ffmpeg", "#!/no/such/interpreter\n");
  EncoderModeFlag mode;
  test::RecordingObserver observer;
  generate(observer, mode);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"failed"});
  EXPECT_TRUE(contains(observer.failure(), "execve() failed with error 2")) << observer.failure();
  std::string log = test::errorLogText();
  EXPECT_TRUE(contains(log, "thread_run_ffmpeg_by_named_pipe\nexecve()")) << log;
  EXPECT_TRUE(contains(log, "thread_make_video\nexecve()")) << log;
}

TEST_F(EncoderFallback, LogoThatCannotBeCopiedFailsTheRun) {
  FakeTool ffmpeg("ffmpeg", "cat \"$IN\" > \"$OUT\"");
  project_.settings.logoOn = true;
  project_.settings.logoPath = dir_.file("vanished.png");
  EncoderModeFlag mode;
  test::RecordingObserver observer;
  generate(observer, mode);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"failed"});
  EXPECT_EQ(observer.failure(), g("无法创建图标文件的副本"));
  EXPECT_TRUE(ffmpeg.invocations().empty());
}

TEST_F(EncoderFallback, TalkativeEncoderNeverStallsTheRun) {
  FakeTool ffmpeg("ffmpeg",
                  "i=0; while [ $i -lt 64 ]; do head -c 4096 /dev/zero | tr '\\0' w >&2; i=$((i+1)); done\n"
                  + std::string(test::kStartMp4) + "\ncat \"$IN\" >> \"$OUT\"");
  EncoderModeFlag mode;
  test::RecordingObserver observer;
  generate(observer, mode);
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"finished"});
  EXPECT_EQ(jpegFrames(test::readBytes(dir_.file("out.mp4"))), 15);
  EXPECT_FALSE(mode.anonymous());
}

TEST_F(EncoderFallback, RunsThatCannotWorkAreRefusedBeforeTheyStart) {
  FakeTool ffmpeg("ffmpeg", "cat \"$IN\" > \"$OUT\"");
  test::RecordingObserver observer;
  std::string error;
  Project gone = project_;
  gone.pictures[1].path = dir_.file("deleted.jpg");
  EXPECT_FALSE(GenerationRun(gone, Preferences(), dir_.file("out.mp4"), -1, observer).start(&error));
  EXPECT_TRUE(contains(error, dir_.file("deleted.jpg")));
  EXPECT_FALSE(GenerationRun(project_, Preferences(), dir_.file("say \"hi\".mp4"), -1, observer).start(&error));
  EXPECT_TRUE(contains(error, "say \"hi\".mp4"));
  EXPECT_TRUE(ffmpeg.invocations().empty());
  EXPECT_TRUE(observer.ends().empty());
}

}  // namespace
}  // namespace pictavo
