// How pictavo-cli ends when it is told to by a signal: TERM, HUP and INT stop a run like
// the stop button, with the exit code the shell expects, and leave nothing behind; a
// killed program takes its encoder along, and its pipe folder is cleared by the next run.
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

// The encoder opens its pipe and then neither reads nor ends by itself; it appends its id
// to the pid file.
const char* kStuckEncoder = "echo $$ >> \"$PIDFILE\"; exec 3<\"$IN\"; exec sleep 60";

std::vector<int> pidsIn(const std::string& file) {
  std::vector<int> pids;
  std::ifstream in(file);
  for (int pid; in >> pid;) pids.push_back(pid);
  return pids;
}

// Polls `done` for up to `seconds`.
bool within(int seconds, const std::function<bool()>& done) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::string pipeFolderOf(pid_t program) {
  return programFolders().temp + "/pipes-" + std::to_string(program);
}

class ProcessEnd : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ensureProgramFolders(&error)) << error;
    for (const char* colour : {"#ff0000", "#00ff00"}) {
      std::string path = dir_.file(std::string("p") + colour + ".jpg");
      test::writeSolidPicture(path, 160, 128, colour, "JPEG");
      pictures_.push_back(path);
    }
  }

  std::unique_ptr<ChildProcess> startMake(const std::string& output) {
    SpawnRequest request;
    request.program = PICTAVO_CLI_PATH;
    request.arguments = {"make", "-o", dir_.file(output), "--size", "160x128"};
    request.arguments.insert(request.arguments.end(), pictures_.begin(), pictures_.end());
    std::string error;
    auto child = ChildProcess::spawn(request, &error);
    EXPECT_TRUE(child) << error;
    return child;
  }

  test::TempDir dir_;
  std::vector<std::string> pictures_;
};

TEST_F(ProcessEnd, TermHupAndIntStopTheRunWithTheShellsExitCode) {
  test::FakeTool ffmpeg("ffmpeg", kStuckEncoder);
  const int signals[] = {SIGTERM, SIGHUP, SIGINT};
  std::vector<std::unique_ptr<ChildProcess>> programs;
  for (int signal : signals) programs.push_back(startMake("out" + std::to_string(signal) + ".mp4"));
  ASSERT_TRUE(within(30, [&] { return pidsIn(ffmpeg.pidFile()).size() == 3 || programs[0]->waitFor(0); }));
  ASSERT_EQ(pidsIn(ffmpeg.pidFile()).size(), 3u) << programs[0]->errorOutput();
  for (size_t i = 0; i < programs.size(); ++i) ::kill(programs[i]->id(), signals[i]);
  for (size_t i = 0; i < programs.size(); ++i) {
    SCOPED_TRACE(signals[i]);
    auto code = programs[i]->waitFor(30000);
    ASSERT_TRUE(code) << "the run did not stop";
    EXPECT_EQ(*code, 128 + signals[i]) << programs[i]->errorOutput();
    EXPECT_FALSE(std::filesystem::exists(pipeFolderOf(programs[i]->id())));
  }
  for (int encoder : pidsIn(ffmpeg.pidFile())) EXPECT_FALSE(test::processAlive(encoder));
}

TEST_F(ProcessEnd, KilledProgramTakesItsEncoderAlongAndTheNextRunClearsItsPipes) {
  pid_t killed = 0;
  {
    test::FakeTool ffmpeg("ffmpeg", kStuckEncoder);
    auto program = startMake("killed.mp4");
    ASSERT_TRUE(within(30, [&] { return !pidsIn(ffmpeg.pidFile()).empty() || program->waitFor(0); }));
    ASSERT_FALSE(pidsIn(ffmpeg.pidFile()).empty()) << program->errorOutput();
    killed = program->id();
    ::kill(killed, SIGKILL);
    EXPECT_EQ(program->waitFor(10000).value_or(-1), 128 + SIGKILL);
    int encoder = pidsIn(ffmpeg.pidFile()).front();
    EXPECT_TRUE(within(5, [&] { return !test::processAlive(encoder); })) << "the encoder outlived the program";
  }
  ASSERT_TRUE(std::filesystem::exists(pipeFolderOf(killed)));

  // The next run, with the real encoder, removes the folder of the program that is gone.
  std::string words;
  for (const std::string& p : pictures_) words += " " + test::shellQuote(p);
  auto next = test::runCli("make -o " + test::shellQuote(dir_.file("next.mp4")) + " --size 160x128" + words);
  EXPECT_EQ(next.exitCode, 0) << next.output;
  EXPECT_FALSE(std::filesystem::exists(pipeFolderOf(killed)));
}

}  // namespace
}  // namespace pictavo
