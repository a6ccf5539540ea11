// The crash guard in a real process that crashes on purpose: the record in errors.log, the
// report process it starts, the report sent to the service and the crash page it opens.
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <regex>

#include "isolated_run.h"
#include "support/run_command.h"
#include "support/test_http_server.h"

namespace pictavo {
namespace {

using test::IsolatedRun;

const char kStopped[] = "Pictavo 已停止工作。\n\n出现了一个问题，导致软件停止工作。请进入软件官网联系客服。";

struct Crash {
  const char* mode;
  int signal;
  bool withService;
};

class CrashGuard : public testing::TestWithParam<Crash> {};

TEST_P(CrashGuard, RecordsTheCrashAndStartsTheReportProcess) {
  const Crash crash = GetParam();
  test::TestHttpServer service([](const test::ReceivedRequest&, test::ServerConnection& connection) {
    connection.send("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nOK");
    connection.close();
  });
  IsolatedRun run;
  std::string environment =
      crash.withService ? "PICTAVO_SERVICE_URL=" + service.url("") : std::string();
  auto result = run.run(test::shellQuote(PICTAVO_CRASH_CHILD_PATH) + " " +
                            test::shellQuote(PICTAVO_PATH) + " " + crash.mode,
                        environment);
  // The crash ends the process with the signal's own default action.
  EXPECT_EQ(result.status, 128 + crash.signal) << result.output;

  std::smatch record;
  std::string log = run.errorLog();
  ASSERT_TRUE(std::regex_search(log, record,
                                std::regex("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d AppCrash\n"
                                           "exceptionCode:0x([0-9a-f]+), EIP=0x([0-9a-f]+)\n\n$")))
      << log;
  EXPECT_EQ(std::stoi(record[1], nullptr, 16), crash.signal);
  EXPECT_NE(record[2], "0");

  // The report process tells the user; with a service it reports and opens the crash page.
  ASSERT_TRUE(run.waitForRecord(kStopped)) << run.recorded();
  EXPECT_NE(run.recorded().find(std::string("message 错误\n") + kStopped), std::string::npos);
  if (crash.withService) {
    std::string page = "open " + service.url("") + "/app_crash.asp?v=8.2&ecode=0x" +
                       record[1].str() + "&eip=0x" + record[2].str() + "&";
    ASSERT_TRUE(run.waitForRecord(page)) << run.recorded();
    // The report may still be on its way while the box shows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.requests().empty(); }, 30000));
    auto requests = service.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].path, "/reportError.asp");
    EXPECT_NE(requests[0].body.find("name=AppCrash"), std::string::npos) << requests[0].body;
    EXPECT_NE(requests[0].body.find("EIP%3D0x" + record[2].str()), std::string::npos)
        << requests[0].body;
  } else {
    EXPECT_EQ(run.recorded().find("open "), std::string::npos) << run.recorded();
  }
  // Sent or not, the crash is recorded once.
  EXPECT_EQ(run.errorLog(), log);
}

INSTANTIATE_TEST_SUITE_P(Crashes, CrashGuard,
                         testing::Values(Crash{"segv", SIGSEGV, false},
                                         Crash{"worker", SIGSEGV, true},
                                         Crash{"abort", SIGABRT, false}),
                         [](const testing::TestParamInfo<Crash>& info) {
                           return std::string(info.param.mode);
                         });

// A video being encoded is held as an unfinished file: a crash, or a second interrupt before
// the first was handled, removes it on the way out.
TEST(CrashGuardCleanup, ACrashOrASecondInterruptRemovesTheUnfinishedFile) {
  for (const Crash& crash : {Crash{"segv", SIGSEGV, false}, Crash{"interrupt", SIGTERM, false}}) {
    SCOPED_TRACE(crash.mode);
    IsolatedRun run;
    std::string unfinished = run.home() + "/.pictavo-abc123.mp4";
    test::writeBytes(unfinished, "half a video");
    auto result = run.run(test::shellQuote(PICTAVO_CRASH_CHILD_PATH) + " '' " + crash.mode + " " +
                          test::shellQuote(unfinished));
    EXPECT_EQ(result.status, 128 + crash.signal) << result.output;
    EXPECT_FALSE(std::filesystem::exists(unfinished));
  }
}

}  // namespace
}  // namespace pictavo
