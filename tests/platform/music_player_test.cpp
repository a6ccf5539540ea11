#include "platform/music_player.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>

#include "platform/external_tools.h"
#include "support/make_audio.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using namespace std::chrono_literals;

struct Ends {
  std::mutex mutex;
  std::condition_variable arrived;
  std::vector<std::pair<uint64_t, PlayEnd>> seen;
  std::string lastMessage;

  MusicPlayer::EndHandler handler() {
    return [this](uint64_t serial, PlayEnd end, const std::string& message) {
      std::lock_guard lock(mutex);
      seen.emplace_back(serial, end);
      lastMessage = message;
      arrived.notify_all();
    };
  }
  // Waits up to `limit` for the n-th end.
  bool waitFor(size_t n, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex);
    return arrived.wait_for(lock, limit, [&] { return seen.size() >= n; });
  }
};

// The process state letter from /proc ('T' when stopped); 0 when it is gone.
char processState(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return 0;
  size_t close = line.rfind(')');
  return close == std::string::npos || close + 2 >= line.size() ? 0 : line[close + 2];
}

bool becomes(pid_t pid, char state) {
  for (int i = 0; i < 200 && processState(pid) != state; ++i) std::this_thread::sleep_for(10ms);
  return processState(pid) == state;
}

class MusicPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // no sound card needed, and none played
    ASSERT_EQ(test::makeSineAudio(track, 1, "-c:a libmp3lame"), "");
  }
  test::TempDir dir{"pictavo-player"};
  std::string track = dir.file("one second.mp3");
  std::string program = findTool(kPlayerTool).value_or("");
  Ends ends;
  MusicPlayer player{program, ends.handler()};
};

TEST_F(MusicPlayerTest, PauseHoldsThePlayAndCloseLeavesNoProcess) {
  ASSERT_FALSE(program.empty());
  std::string error;
  ASSERT_TRUE(player.open(track, &error)) << error;
  uint64_t serial = player.play(&error);
  ASSERT_NE(serial, 0u) << error;
  pid_t pid = player.processId();
  player.pause();
  ASSERT_TRUE(becomes(pid, 'T'));
  // Twice the track's length later a stopped player has neither played on nor ended.
  EXPECT_FALSE(ends.waitFor(1, 2000ms));
  player.resume();
  ASSERT_TRUE(ends.waitFor(1, 10000ms));
  EXPECT_EQ(ends.seen[0], std::make_pair(serial, PlayEnd::kFinished));

  // Closed while stopped: continued, ended, reaped, and its end never reported.
  ASSERT_NE(player.play(&error), 0u) << error;
  pid = player.processId();
  player.pause();
  ASSERT_TRUE(becomes(pid, 'T'));
  player.close();
  EXPECT_EQ(player.processId(), -1);
  EXPECT_EQ(::kill(pid, 0), -1);
  EXPECT_EQ(::waitpid(pid, nullptr, WNOHANG), -1);
  EXPECT_FALSE(ends.waitFor(2, 300ms));
}

// Each way a play cannot happen: a file the player cannot read is reported as a failed
// end (the player itself exits with 0 then); no file or no player fails at once.
TEST_F(MusicPlayerTest, WhatCannotBePlayedFails) {
  std::string garbage = dir.file("garbage.mp3");
  test::writeBytes(garbage, std::string(3000, '\x55'));
  std::string error;
  ASSERT_TRUE(player.open(garbage, &error)) << error;
  uint64_t serial = player.play(&error);
  ASSERT_NE(serial, 0u) << error;
  ASSERT_TRUE(ends.waitFor(1, 10000ms));
  EXPECT_EQ(ends.seen[0], std::make_pair(serial, PlayEnd::kFailed));
  EXPECT_NE(ends.lastMessage.find("garbage.mp3"), std::string::npos) << ends.lastMessage;

  EXPECT_FALSE(player.open(dir.file("missing.mp3"), &error));
  EXPECT_FALSE(player.open(dir.path(), &error));
  EXPECT_EQ(player.play(&error), 0u);  // nothing open after a failed open
  MusicPlayer without("", ends.handler());
  ASSERT_TRUE(without.open(track, &error));
  EXPECT_EQ(without.play(&error), 0u);
  EXPECT_EQ(playEndOf(1, "", track), PlayEnd::kFailed);
}

}  // namespace
}  // namespace pictavo
