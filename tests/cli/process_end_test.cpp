// pictavo-cli told to stop by a signal: TERM, HUP and INT stop a run like the stop button,
// with the shell's exit code, and leave nothing behind; a killed program takes its encoder
// along, and the next run clears the pipe folder it left.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/child_process.h"
#include "platform/folders.h"
#include "support/fake_tools.h"
#include "support/run_command.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

// Opens its pipe, then neither reads nor ends by itself; appends its id to the pid file.
const char* kStuckEncoder = "echo $$ >> \"$PIDFILE\"; exec 3<\"$IN\"; exec sleep 60";

std::vector<int> pidsIn(const std::string& file) {
  std::vector<int> pids;
  std::ifstream in(file);
  for (int pid; in >> pid;) pids.push_back(pid);
  return pids;
}

// Waits up to 30 s until `count` encoders have started or `program` has ended early.
bool encodersStarted(const test::FakeTool& ffmpeg, size_t count, ChildProcess& program) {
  for (int i = 0; i < 1500 && !program.waitFor(0); ++i) {
    if (pidsIn(ffmpeg.pidFile()).size() >= count) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

bool pipeFolderLeft(pid_t program) {
  return std::filesystem::exists(programFolders().temp + "/pipes-" + std::to_string(program));
}

class ProcessEnd : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    test::writeSolidPicture(dir_.file("a.jpg"), 160, 128, "#ff0000", "JPEG");
    test::writeSolidPicture(dir_.file("b.jpg"), 160, 128, "#0000ff", "JPEG");
  }

  std::unique_ptr<ChildProcess> startMake(const std::string& output) {
    SpawnRequest request;
    request.program = PICTAVO_CLI_PATH;
    request.arguments = {"make", "-o", dir_.file(output), "--size", "160x128", dir_.file("a.jpg"),
                         dir_.file("b.jpg")};
    std::string error;
    auto child = ChildProcess::spawn(request, &error);
    EXPECT_TRUE(child) << error;
    return child;
  }

  test::TempDir dir_;
};

TEST_F(ProcessEnd, TermHupAndIntStopTheRunWithTheShellsExitCode) {
  test::FakeTool ffmpeg("ffmpeg", kStuckEncoder);
  const int signals[] = {SIGTERM, SIGHUP, SIGINT};
  std::vector<std::unique_ptr<ChildProcess>> programs;
  for (int signal : signals) programs.push_back(startMake("out" + std::to_string(signal) + ".mp4"));
  ASSERT_TRUE(encodersStarted(ffmpeg, 3, *programs[0])) << programs[0]->errorOutput();
  for (size_t i = 0; i < programs.size(); ++i) ::kill(programs[i]->id(), signals[i]);
  for (size_t i = 0; i < programs.size(); ++i) {
    EXPECT_EQ(programs[i]->waitFor(30000).value_or(-1), 128 + signals[i]) << programs[i]->errorOutput();
    EXPECT_FALSE(pipeFolderLeft(programs[i]->id()));
  }
  for (int encoder : pidsIn(ffmpeg.pidFile())) EXPECT_FALSE(test::processAlive(encoder));
}

TEST_F(ProcessEnd, KilledProgramTakesItsEncoderAlongAndTheNextRunClearsItsPipes) {
  pid_t killed = 0;
  {
    test::FakeTool ffmpeg("ffmpeg", kStuckEncoder);
    auto program = startMake("killed.mp4");
    ASSERT_TRUE(encodersStarted(ffmpeg, 1, *program)) << program->errorOutput();
    killed = program->id();
    ::kill(killed, SIGKILL);
    EXPECT_EQ(program->waitFor(10000).value_or(-1), 128 + SIGKILL);
    int encoder = pidsIn(ffmpeg.pidFile()).front();
    for (int i = 0; i < 250 && test::processAlive(encoder); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(test::processAlive(encoder)) << "the encoder outlived the program";
  }
  ASSERT_TRUE(pipeFolderLeft(killed));
  // The next run, with the real encoder.
  auto next = test::runCli("make -o " + test::shellQuote(dir_.file("next.mp4")) + " --size 160x128 " +
                           test::shellQuote(dir_.file("a.jpg")));
  EXPECT_EQ(next.exitCode, 0) << next.output;
  EXPECT_FALSE(pipeFolderLeft(killed));
}

}  // namespace
}  // namespace pictavo
