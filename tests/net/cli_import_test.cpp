#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "support/test_files.h"
#include "support/test_http_server.h"

namespace pictavo {
namespace {

// Runs pictavo-cli with the service at `serviceUrl`; returns its exit code.
int runCli(const std::string& serviceUrl, const std::string& arguments, const std::string& out) {
  std::string command = "PICTAVO_SERVICE_URL='" + serviceUrl + "' '" PICTAVO_CLI_PATH "' " +
                        arguments + " >'" + out + "' 2>&1";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
  std::string folder = dir.file("out");
  std::string log = dir.file("log.txt");
  EXPECT_EQ(runCli(service.url(""), "import --type 1 --out '" + folder + "' 'https://item.example/?id=5'", log), 0)
      << test::readBytes(log);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    EXPECT_EQ(test::readBytes(entry.path()).rfind("bytes of /", 0), 0u);
    ++files;
  }
  EXPECT_EQ(files, 2);
  EXPECT_NE(test::readBytes(log).find("已下载 2 / 2 张图片"), std::string::npos);

  EXPECT_EQ(runCli("", "import --type 1 --out '" + folder + "' x", log), 1);
  EXPECT_NE(test::readBytes(log).find("获取宝贝图片列表时出错"), std::string::npos);
  EXPECT_EQ(runCli("", "import --type 4 --out '" + folder + "' x", log), 2);
  EXPECT_EQ(runCli("", "import x", log), 2);
}

}  // namespace
}  // namespace pictavo
