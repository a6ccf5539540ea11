#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "music/track_analysis.h"
#include "project/project_file.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "support/test_http_server.h"

namespace pictavo {
namespace {

using test::shellQuote;

// pictavo-cli import with the vendor service at `serviceUrl`.
test::CommandResult runImport(const std::string& serviceUrl, const std::string& arguments) {
  return test::runCommand("PICTAVO_SERVICE_URL=" + shellQuote(serviceUrl) + " " +
                          shellQuote(PICTAVO_CLI_PATH) + " import " + arguments);
}

TEST(CliImport, DownloadsTheServiceListIntoAFolder) {
  test::TestHttpServer pictures([](const test::ReceivedRequest& r, test::ServerConnection& c) {
    c.send(test::okResponse("bytes of " + r.path));
  });
  test::TestHttpServer service([&](const test::ReceivedRequest& r, test::ServerConnection& c) {
    if (r.path.rfind("/getProductImg/API.asp?v=8.2&baobeiURL=", 0) == 0 &&
        r.path.find("&m=1&") != std::string::npos)
      c.send(test::okResponse(pictures.url("/1.jpg") + "\n" + pictures.url("/2.jpg")));
    else
      c.send("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
  });
  test::TempDir dir;
  std::string out = shellQuote(dir.file("out"));
  test::CommandResult run =
      runImport(service.url(""), "--type 1 --out " + out + " 'https://item.example/?id=5'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("已下载 2 / 2 张图片"), std::string::npos) << run.output;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.file("out"))) {
    EXPECT_EQ(test::readBytes(entry.path()).rfind("bytes of /", 0), 0u);
    ++files;
  }
  EXPECT_EQ(files, 2);

  test::CommandResult noService = runImport("", "--out " + out + " x");
  EXPECT_EQ(noService.exitCode, 1);
  EXPECT_NE(noService.output.find("获取宝贝图片列表时出错"), std::string::npos);
  EXPECT_EQ(runImport("", "--type 4 --out " + out + " x").exitCode, 2);
  EXPECT_EQ(runImport("", "x").exitCode, 2);

  // A project path that is not a regular file is refused before anything is fetched.
  ASSERT_EQ(::mkfifo(dir.file("fifo.dat").c_str(), 0600), 0);
  test::CommandResult fifo = runImport(
      service.url(""), "--type 1 --save " + shellQuote(dir.file("fifo.dat")) + " 'https://item.example/?id=5'");
  EXPECT_EQ(fifo.exitCode, 1);
  EXPECT_NE(fifo.output.find("不能写入: " + dir.file("fifo.dat")), std::string::npos) << fifo.output;
  EXPECT_EQ(fifo.output.find("已下载"), std::string::npos) << fifo.output;
  EXPECT_TRUE(std::filesystem::is_fifo(dir.file("fifo.dat")));
}

TEST(CliImport, SavesTheDownloadedPicturesAsANewProject) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("p.png"), 64, 48, "blue", "PNG");
  std::string png = test::readBytes(dir.file("p.png"));
  // The remote settings choose the loader that takes picture addresses directly.
  test::TestHttpServer pictures([&](const test::ReceivedRequest& r, test::ServerConnection& c) {
    if (r.path == "/settings.txt")
      c.send(test::okResponse("service_mode=6\n"));
    else
      c.send(test::okResponse(r.path == "/broken.png" ? std::string("no picture") : png));
  });
  std::string text =
      pictures.url("/a.png") + ";" + pictures.url("/broken.png") + ";" + pictures.url("/b.png");
  test::CommandResult run = runImport(
      pictures.url(""), "--save " + shellQuote(dir.file("shop.dat")) + " " + shellQuote(text));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("已下载 2 / 3 张图片"), std::string::npos) << run.output;

  Project project;
  UserMessage message;
  ASSERT_TRUE(openProject(project, dir.file("shop.dat"), &message, withMp3Analysis()))
      << message.text;
  EXPECT_EQ(project.pictures.size(), 2u);
}

TEST(CliImport, CtrlCStopsADownloadThatNeverEnds) {
  // One byte every 20 ms: no receive time-out ever ends this picture (for ten seconds).
  test::TestHttpServer pictures([](const test::ReceivedRequest& r, test::ServerConnection& c) {
    if (r.path == "/settings.txt") {
      c.send(test::okResponse("service_mode=6\n"));
      return;
    }
    c.send("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");
    for (int i = 0; i < 500 && c.send("p"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
  });
  test::TempDir dir;
  std::string text = pictures.url("/a.jpg") + ";" + pictures.url("/b.jpg");
  auto start = std::chrono::steady_clock::now();
  test::CommandResult run = test::runCommand(
      "PICTAVO_SERVICE_URL=" + shellQuote(pictures.url("")) + " timeout -s KILL 20 " +
      shellQuote(PICTAVO_CLI_PATH) + " import --out " + shellQuote(dir.file("out")) + " " +
      shellQuote(text) + " 2>&1 & p=$!; sleep 1; kill -INT $p; wait $p");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  EXPECT_EQ(run.exitCode, 130) << run.output;
  EXPECT_NE(run.output.find("已停止。"), std::string::npos) << run.output;
  EXPECT_EQ(pictures.requests().size(), 2u);  // the settings and the first picture only
}

}  // namespace
}  // namespace pictavo
