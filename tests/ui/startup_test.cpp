// Start-up of the real program when an external program is missing: the box naming it, the
// installation help page, and no window.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <regex>
#include <sstream>
#include <thread>

#include "isolated_run.h"
#include "platform/child_process.h"
#include "support/run_command.h"

namespace pictavo {
namespace {

using test::IsolatedRun;

struct MissingTool {
  const char* present;  // tools on PATH, blank-separated
  const char* missing;
  const char* service;  // PICTAVO_SERVICE_URL; "" for none
};

class StartupWithoutTool : public testing::TestWithParam<MissingTool> {};

TEST_P(StartupWithoutTool, StopsWithTheMessageNamingItAndOpensTheHelpPage) {
  const MissingTool row = GetParam();
  IsolatedRun run;
  std::string bin = run.home() + "/bin";
  std::filesystem::create_directories(bin);
  std::istringstream present(row.present);
  for (std::string tool; present >> tool;) {
    auto found = findOnPath(tool);
    ASSERT_TRUE(found) << tool;
    std::filesystem::create_symlink(*found, bin + "/" + tool);
  }
  auto result = run.run(test::shellQuote(PICTAVO_PATH),
                        "PATH=" + test::shellQuote(bin) + " PICTAVO_SERVICE_URL=" + row.service);

  EXPECT_EQ(result.status, 255) << result.output;  // exit code -1
  std::string help = *row.service
                         ? std::string(row.service) + "/unzip.html"
                         : "file://" + std::filesystem::canonical(PICTAVO_PATH)
                                           .parent_path()
                                           .parent_path()
                                           .string() + "/share/pictavo/help/unzip.html";
  EXPECT_EQ(run.recorded(), std::string("message 提示\n找不到 ") + row.missing +
                                " 文件，可能是没有对下载的软件压缩包进行正确的解压缩。\n\n"
                                "点击[确定]按钮，查看正确的解压缩方式。\n\nopen " + help + "\n\n");
}

INSTANTIATE_TEST_SUITE_P(
    Tools, StartupWithoutTool,
    testing::Values(MissingTool{"", "ffmpeg", ""}, MissingTool{"ffmpeg", "ffplay", ""},
                    MissingTool{"ffmpeg ffplay", "AtomicParsley", "http://127.0.0.1:9"}),
    [](const testing::TestParamInfo<MissingTool>& info) {
      return std::string(info.param.missing);
    });

// A display that names no X server is no crash: the program says so and exits with status 1,
// and nothing is recorded or reported.
TEST(StartupWithoutDisplay, SaysSoWithoutRecordingACrash) {
  IsolatedRun run;
  auto result = run.run("/usr/bin/timeout 60 " + test::shellQuote(PICTAVO_PATH) + " --demo",
                        "QT_QPA_PLATFORM= WAYLAND_DISPLAY= DISPLAY=:9977");
  EXPECT_EQ(result.status, 1) << result.output;
  EXPECT_NE(result.output.find("the display cannot be opened (DISPLAY=:9977"), std::string::npos)
      << result.output;
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // a report process would write
  EXPECT_EQ(run.errorLog(), "");
  EXPECT_EQ(run.recorded(), "");
}

// SIGTERM, SIGINT or SIGHUP to a running window ends it cleanly: exit status 128 + the signal,
// and the window's own work folder is gone. The signal is sent once the program catches it.
TEST(RunningWindow, ATerminationSignalEndsItAndRemovesItsWorkFolder) {
  for (int signal : {SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    IsolatedRun run;
    const std::string script =
        "\"$0\" --demo & pid=$!; bit=$((1 << ($1 - 1)))\n"
        "for i in $(seq 600); do\n"
        "  mask=$(awk '/^SigCgt/ {print $2}' /proc/$pid/status 2>/dev/null) || break\n"
        "  [ -n \"$mask\" ] && [ $((0x$mask & bit)) -ne 0 ] && break; sleep 0.1\n"
        "done\n"
        "ls \"$PICTAVO_HOME/temp\"; kill -$1 $pid; wait $pid";
    auto result = run.run("/usr/bin/timeout 120 sh -c " + test::shellQuote(script) + " " +
                          test::shellQuote(PICTAVO_PATH) + " " + std::to_string(signal));
    EXPECT_EQ(result.status, 128 + signal) << result.output;
    EXPECT_TRUE(std::regex_search(result.output, std::regex("(^|\n)[0-9]+-[0-9]+\n")))
        << "the running window had a work folder: " << result.output;
    std::error_code ec;
    EXPECT_TRUE(std::filesystem::is_empty(run.home() + "/temp", ec)) << result.output;
    EXPECT_FALSE(ec) << ec.message();
  }
}

// A FIFO in place of errors.log: nobody reads it, so opening it for writing would wait for
// good. The program carries on without its log, whatever it was asked to do.
struct FifoLogCase {
  const char* name;
  const char* commandLine;  // after the program's path
  const char* environment;
  int status;
  const char* output;  // expected in the output
};

class FifoErrorLog : public testing::TestWithParam<FifoLogCase> {};

TEST_P(FifoErrorLog, NeitherHangsNorWritesIntoIt) {
  const FifoLogCase& row = GetParam();
  IsolatedRun run;
  ASSERT_EQ(::mkfifo((run.home() + "/errors.log").c_str(), 0644), 0);
  std::string program = std::string(row.name) == "crash"
                            ? test::shellQuote(PICTAVO_CRASH_CHILD_PATH) + " '' segv"
                            : test::shellQuote(PICTAVO_PATH);
  auto result = run.run("/usr/bin/timeout 60 " + program + " " + row.commandLine, row.environment);
  EXPECT_EQ(result.status, row.status) << result.output;
  EXPECT_NE(result.output.find(row.output), std::string::npos) << result.output;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FifoErrorLog,
    testing::Values(FifoLogCase{"version", "--version", "", 0, "pictavo "},
                    FifoLogCase{"help", "--help", "", 0, "usage: pictavo"},
                    FifoLogCase{"window", "--demo", "PATH=/nonexistent", 255, ""},
                    FifoLogCase{"crash", "", "", 128 + SIGSEGV, ""}),
    [](const testing::TestParamInfo<FifoLogCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pictavo
