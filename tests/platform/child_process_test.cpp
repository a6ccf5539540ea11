#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/child_process.h"
#include "platform/fd_io.h"
#include "platform/fifo.h"
#include "support/fake_tools.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

std::unique_ptr<ChildProcess> shell(const std::string& script, bool pipeInput = false,
                                    const std::string& folder = "") {
  SpawnRequest request;
  request.program = "/bin/sh";
  request.arguments = {"-c", script};
  request.pipeInput = pipeInput;
  request.workingFolder = folder;
  std::string error;
  auto child = ChildProcess::spawn(request, &error);
  EXPECT_TRUE(child) << error;
  return child;
}

TEST(ChildProcess, ExitCodesSignalsAndPrograms) {
  EXPECT_EQ(shell("exit 3")->wait(), 3);
  EXPECT_EQ(shell("kill -TERM $$")->wait(), 128 + 15);
  SpawnRequest missing;
  missing.program = "/no/such/program";
  std::string error;
  EXPECT_FALSE(ChildProcess::spawn(missing, &error));
  EXPECT_NE(error.find("execve() failed with error 2"), std::string::npos) << error;
  EXPECT_TRUE(findOnPath("sh"));
  EXPECT_FALSE(findOnPath("no-such-program-here"));
  EXPECT_FALSE(findOnPath("../sh"));
}

TEST(ChildProcess, TalkativeChildIsDrainedAndTheFirstBytesKept) {
  auto child = shell("i=0; while [ $i -lt 40 ]; do head -c 8192 /dev/zero | tr '\\0' e >&2; "
                     "i=$((i+1)); done; echo end");
  auto code = child->waitFor(20000);
  ASSERT_TRUE(code) << "a child writing 320 KiB to standard error stalled";
  EXPECT_EQ(*code, 0);
  EXPECT_EQ(child->errorOutput(), std::string(kKeptErrorBytes, 'e'));
  auto quiet = shell("echo 'short text' >&2; exit 1");
  quiet->wait();
  EXPECT_EQ(quiet->errorOutput(), "short text\n");
}

TEST(ChildProcess, InputPipeAndWorkingFolder) {
  test::TempDir dir;
  auto child = shell("cat > copy.bin; pwd > where.txt", true, dir.path());
  std::string bytes(200000, 'z');
  ASSERT_TRUE(writeAllToFd(child->inputFd(), bytes.data(), bytes.size()));
  child->closeInput();
  EXPECT_EQ(child->wait(), 0);
  EXPECT_EQ(test::readBytes(dir.file("copy.bin")), bytes);
  EXPECT_EQ(test::readBytes(dir.file("where.txt")), std::filesystem::canonical(dir.path()).string() + "\n");
  // Standard input is /dev/null unless piped: a reader ends at once.
  EXPECT_EQ(shell("cat > /dev/null")->waitFor(5000).value_or(-1), 0);
}

TEST(ChildProcess, EndedWithItsGroupAndNeverLeftBehind) {
  auto child = shell("sleep 30 & wait");
  EXPECT_FALSE(child->waitFor(50));
  child->terminate();
  EXPECT_EQ(child->waitFor(5000).value_or(-1), 128 + 15);

  test::TempDir dir;
  int pid = 0;
  {
    auto stubborn = shell("trap '' TERM; echo $$ > " + dir.file("pid") + "; sleep 30");
    while (test::readBytes(dir.file("pid")).empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    pid = std::stoi(test::readBytes(dir.file("pid")));
    EXPECT_TRUE(test::processAlive(pid));
  }
  EXPECT_FALSE(test::processAlive(pid));
}

TEST(ChildProcess, OutlivesTheThreadThatStartedIt) {
  // Children end with the program, not with the thread that asked for them.
  std::unique_ptr<ChildProcess> child;
  std::thread([&] { child = shell("sleep 30"); }).join();
  ASSERT_TRUE(child);
  EXPECT_FALSE(child->waitFor(300)) << "ended with its thread";
}

TEST(Fifo, WriterMeetsReaderAndTheFifoIsRemoved) {
  test::TempDir dir;
  std::string path = dir.file("v7");
  std::string error;
  {
    auto fifo = Fifo::create(path, &error);
    ASSERT_TRUE(fifo) << error;
    bool exists = false;
    EXPECT_FALSE(Fifo::create(path, &error, &exists));
    EXPECT_TRUE(exists);
    auto reader = shell("cat v7 > out.bin", false, dir.path());
    ASSERT_EQ(fifo->openForWriting([] { return false; }, &error), Fifo::OpenResult::Opened) << error;
    std::string bytes(300000, 'f');
    EXPECT_TRUE(writeAllToFd(fifo->fd(), bytes.data(), bytes.size()));
    fifo->closeWriteEnd();
    EXPECT_EQ(reader->wait(), 0);
    EXPECT_EQ(test::readBytes(dir.file("out.bin")), bytes);
  }
  EXPECT_FALSE(std::filesystem::exists(path));

  auto lonely = Fifo::create(path, &error);
  int polls = 0;
  EXPECT_EQ(lonely->openForWriting([&] { return ++polls == 3; }, &error), Fifo::OpenResult::GaveUp);
  EXPECT_EQ(polls, 3);
}

}  // namespace
}  // namespace pictavo
