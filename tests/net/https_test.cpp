#include <gtest/gtest.h>

#include <chrono>

#include "net/error_report.h"
#include "net/http_client.h"
#include "net/net_settings.h"
#include "net_fixture.h"
#include "platform/error_log.h"
#include "platform/files.h"
#include "project/service_config.h"
#include "support/test_files.h"
#include "support/test_http_server.h"
#include "support/test_http_server_certificates.h"

namespace pictavo {
namespace {

using test::g;
using test::ReceivedRequest;
using test::ServerConnection;
using test::TestHttpServer;

// The client trusts the test authority (instead of the system's store) for these tests.
class HttpsTest : public test::NetTest {
 protected:
  void SetUp() override {
    NetTest::SetUp();
    ASSERT_TRUE(test::testCertificates().ok) << "openssl could not make the test certificates";
    setTrustedCertificatesForTesting(test::testCertificates().authority);
  }
  void TearDown() override {
    setTrustedCertificatesForTesting("");
    NetTest::TearDown();
  }
};

TestHttpServer::Handler answer(std::string bytes) {
  return [bytes](const ReceivedRequest&, ServerConnection& c) { c.send(bytes); };
}

HttpResponse get(const std::string& url, bool keepAlive = true) {
  HttpRequest request;
  request.url = url;
  request.keepAlive = keepAlive;
  return webRequest(request);
}

TEST_F(HttpsTest, FetchesOverTlsAndFollowsRedirectsBetweenSchemes) {
  std::string picture = "\xFF\xD8\xFF\xE0 picture bytes";
  TestHttpServer plainPicture(answer(test::okResponse(picture)));
  std::string plainUrl = plainPicture.url("/plain.jpg");
  TestHttpServer secure(
      [&](const ReceivedRequest& r, ServerConnection& c) {
        c.send(r.path == "/to-plain" ? test::redirectResponse(plainUrl)
                                     : test::okResponse(picture));
      },
      test::testCertificates().loopback);
  ASSERT_EQ(secure.url("/").rfind("https://", 0), 0u);
  for (bool keepAlive : {false, true}) {
    HttpResponse direct = get(secure.url("/p.jpg"), keepAlive);
    ASSERT_TRUE(direct.ok) << direct.error;
    EXPECT_EQ(direct.body, picture);
  }
  TestHttpServer toSecure(answer(test::redirectResponse(secure.url("/moved.jpg"))));
  for (const std::string& start : {toSecure.url("/p.jpg"), secure.url("/to-plain")}) {
    HttpResponse moved = get(start);
    ASSERT_TRUE(moved.ok) << moved.error;
    EXPECT_EQ(moved.body, picture);
  }
  EXPECT_EQ(secure.requests().at(2).path, "/moved.jpg");
  EXPECT_EQ(plainPicture.requests().size(), 1u);
  EXPECT_EQ(secure.connectionCount(), 2);  // the keep-alive requests shared one connection
}

TEST_F(HttpsTest, RefusesServersItCannotTrust) {
  setNetTimeouts({500, 10000});
  const test::TestCertificates& certificates = test::testCertificates();
  TestHttpServer otherName(answer(test::okResponse("x")), certificates.otherName);
  TestHttpServer selfSigned(answer(test::okResponse("x")), certificates.selfSigned);
  // A plain server reads the TLS greeting as the start of a request and never answers it.
  TestHttpServer stalls(answer(""));
  std::string stalled = "https" + stalls.url("/").substr(4);
  struct Case {
    std::string url;
    std::string message;
  } cases[] = {
      {otherName.url("/"), g("HTTPS 服务器证书验证失败: ")},
      {selfSigned.url("/"), g("HTTPS 服务器证书验证失败: ")},
      {stalled, g("HTTPS 安全连接超时: 服务器没有完成 TLS 握手。")},
  };
  for (const Case& c : cases) {
    auto start = std::chrono::steady_clock::now();
    HttpResponse response = get(c.url, false);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << c.url;
    EXPECT_EQ(response.errorKind, kHttpConnectFailed) << c.url;
    EXPECT_EQ(response.error.rfind(c.message, 0), 0u) << response.error;
  }
  EXPECT_TRUE(otherName.requests().empty());
  EXPECT_TRUE(selfSigned.requests().empty());

  // Without the test setting only the system's trust store counts: the test authority is
  // no authority there.
  setTrustedCertificatesForTesting("");
  TestHttpServer loopback(answer(test::okResponse("x")), certificates.loopback);
  EXPECT_EQ(get(loopback.url("/"), false).error.rfind(g("HTTPS 服务器证书验证失败: "), 0), 0u);
}

TEST_F(HttpsTest, TheBodyLimitHoldsOverTls) {
  TestHttpServer endless(
      [](const ReceivedRequest&, ServerConnection& c) {
        c.send("HTTP/1.0 200 OK\r\n\r\n");
        std::string block(65536, 'e');
        while (c.send(block)) continue;
      },
      test::testCertificates().loopback);
  HttpResponse tooLong = get(endless.url("/"), false);
  EXPECT_FALSE(tooLong.ok);
  EXPECT_EQ(tooLong.error.rfind("header.contentLength: -1, readTotal:", 0), 0u) << tooLong.error;

  TestHttpServer announced(answer("HTTP/1.1 200 OK\r\nContent-Length: 10485761\r\n\r\n"),
                           test::testCertificates().loopback);
  EXPECT_EQ(get(announced.url("/"), false).error, g("header.contentLength: 10485761, 大于10M"));
}

TEST_F(HttpsTest, AnHttpsErrorReportNeverGoesOutInPlainText) {
  removeFile(errorLogPath());
  TestHttpServer plain(answer(test::okResponse("ok")));
  TestHttpServer secure(answer(test::redirectResponse(plain.url("/reportError.asp"))),
                        test::testCertificates().loopback);
  setServiceBaseUrl(secure.url(""));
  EXPECT_TRUE(reportError("setVideoCover", "secret"));
  flushErrorReports();
  EXPECT_EQ(secure.requests().size(), 1u);
  EXPECT_TRUE(plain.requests().empty());
  std::string log = readWholeFile(errorLogPath()).value_or("");
  EXPECT_NE(log.find("setVideoCover\nsecret\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace pictavo
