#include "net/http_client.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "net/http_header.h"
#include "net/net_settings.h"
#include "net/socket_pool.h"
#include "net_fixture.h"
#include "support/test_files.h"
#include "support/test_http_server.h"

namespace pictavo {
namespace {

using test::g;
using test::ReceivedRequest;
using test::ServerConnection;
using test::TestHttpServer;

class HttpClientTest : public test::NetTest {};

HttpResponse get(const std::string& url, bool keepAlive = false) {
  HttpRequest request;
  request.url = url;
  request.keepAlive = keepAlive;
  return webRequest(request);
}

// Answers every request with the same bytes.
TestHttpServer::Handler answer(std::string bytes, bool close = false) {
  return [bytes, close](const ReceivedRequest&, ServerConnection& c) {
    c.send(bytes);
    if (close) c.close();
  };
}

TEST_F(HttpClientTest, ReadsBodiesOfEveryDelimiting) {
  TestHttpServer sized(answer(test::okResponse("hello")));
  TestHttpServer chunked(answer("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" +
                                test::chunkedBody("chunked body text", 4, ";a=b", "X-T: 1\r\n")));
  TestHttpServer closing(answer("HTTP/1.0 200 OK\r\n\r\nuntil the end", true));
  for (bool keepAlive : {false, true}) {
    HttpResponse a = get(sized.url("/a"), keepAlive);
    ASSERT_TRUE(a.ok) << a.error;
    EXPECT_EQ(a.body, "hello");
    EXPECT_EQ(a.length, 5);
    EXPECT_EQ(a.headerText, "HTTP/1.1 200 OK\r\nContent-Length: 5");
    HttpResponse b = get(chunked.url("/b"), keepAlive);
    ASSERT_TRUE(b.ok) << b.error;
    EXPECT_EQ(b.body, "chunked body text");
    HttpResponse c = get(closing.url("/c"), keepAlive);
    ASSERT_TRUE(c.ok) << c.error;
    EXPECT_EQ(c.body, "until the end");
  }
  // A body without a length cannot end a kept connection: the keep-alive try failed and the
  // request was made again on a fresh connection.
  auto requests = closing.requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[1].header("Connection"), "keep-alive");
  EXPECT_EQ(requests[2].header("Connection"), "close");
}

TEST_F(HttpClientTest, KeepAliveConnectionsAreReused) {
  TestHttpServer server(answer(test::okResponse("x")));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(get(server.url("/"), true).ok);
  EXPECT_EQ(server.connectionCount(), 1);
  // Requests without keep-alive never use the pool.
  ASSERT_TRUE(get(server.url("/"), false).ok);
  EXPECT_EQ(server.connectionCount(), 2);
  // "Connection: close" in the answer keeps the connection out of the pool.
  TestHttpServer closing(answer(test::okResponse("x", "Connection: close\r\n"), true));
  ASSERT_TRUE(get(closing.url("/"), true).ok);
  ASSERT_TRUE(get(closing.url("/"), true).ok);
  EXPECT_EQ(closing.connectionCount(), 2);
}

TEST_F(HttpClientTest, AStalePooledConnectionIsReplaced) {
  // The server answers and closes without saying so: the pool holds a dead connection.
  TestHttpServer server(answer(test::okResponse("fresh"), true));
  ASSERT_TRUE(get(server.url("/1"), true).ok);
  ASSERT_TRUE(server.waitForClosedConnections(1));
  HttpResponse second = get(server.url("/2"), true);
  ASSERT_TRUE(second.ok) << second.error;
  EXPECT_EQ(second.body, "fresh");
  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].connection, 1);
}

TEST_F(HttpClientTest, SendsTheRequestForm) {
  TestHttpServer server(answer(test::okResponse("ok")));
  HttpRequest get;
  get.url = server.url("/p?q=1");
  get.referer = "http://r.example/";
  get.cookie = "a=1\r\nInjected: yes";
  ASSERT_TRUE(webRequest(get).ok);
  HttpRequest post;
  post.url = server.url("");
  post.keepAlive = true;
  post.postBody = "k=v";
  ASSERT_TRUE(webRequest(post).ok);
  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  const ReceivedRequest& g0 = requests[0];
  EXPECT_EQ(g0.method + " " + g0.path + " " + g0.version, "GET /p?q=1 HTTP/1.0");
  EXPECT_EQ(g0.header("Accept"), "*/*");
  EXPECT_EQ(g0.header("Accept-Language"), "zh-cn");
  EXPECT_EQ(g0.header("User-Agent"), userAgent());
  EXPECT_EQ(g0.header("Host"), "127.0.0.1:" + std::to_string(server.port()));
  EXPECT_EQ(g0.header("Referer"), "http://r.example/");
  EXPECT_EQ(g0.header("Cookie"), "a=1Injected: yes");
  EXPECT_EQ(g0.header("Injected"), "");
  EXPECT_EQ(g0.header("Connection"), "close");
  const ReceivedRequest& p = requests[1];
  EXPECT_EQ(p.method + " " + p.path + " " + p.version, "POST / HTTP/1.1");
  EXPECT_EQ(p.header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(p.header("Content-Length"), "3");
  EXPECT_EQ(p.header("Connection"), "keep-alive");
  EXPECT_EQ(p.body, "k=v");
}

// "/hop/N" sends N more redirects before the body.
TestHttpServer::Handler hops() {
  return [](const ReceivedRequest& r, ServerConnection& c) {
    int left = std::stoi(r.path.substr(5));
    c.send(left == 0 ? test::okResponse("arrived")
                     : test::redirectResponse("/hop/" + std::to_string(left - 1)));
  };
}

TEST_F(HttpClientTest, FollowsEightRedirectsAndRefusesTheNinth) {
  TestHttpServer server(hops());
  HttpResponse eight = get(server.url("/hop/8"));
  ASSERT_TRUE(eight.ok) << eight.error;
  EXPECT_EQ(eight.body, "arrived");
  EXPECT_EQ(server.requests().size(), 9u);

  TestHttpServer again(hops());
  HttpResponse nine = get(again.url("/hop/9"), true);
  EXPECT_FALSE(nine.ok);
  EXPECT_EQ(nine.errorKind, kHttpProtocolFailed);
  EXPECT_EQ(nine.error, g("HTTP连继跳转已超过允许的次数。"));
  EXPECT_EQ(again.requests().size(), 9u);  // no retries of the chain
  for (const ReceivedRequest& r : again.requests()) EXPECT_EQ(r.method, "GET");
}

TEST_F(HttpClientTest, RedirectTargetsMayBeRelativeOrOnAnotherHost) {
  TestHttpServer other(answer(test::okResponse("other host")));
  std::string elsewhere = other.url("/final");
  TestHttpServer server([&](const ReceivedRequest& r, ServerConnection& c) {
    if (r.path == "/dir/start")
      c.send(test::redirectResponse("next?q=1", "301 Moved Permanently"));
    else if (r.path == "/dir/next?q=1")
      c.send(test::redirectResponse(elsewhere));
  });
  HttpRequest post;
  post.url = server.url("/dir/start");
  post.postBody = "a=1";
  HttpResponse response = webRequest(post);
  ASSERT_TRUE(response.ok) << response.error;
  EXPECT_EQ(response.body, "other host");
  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].body, "a=1");
  EXPECT_EQ(requests[1].method, "GET");  // redirects are followed as keep-alive GETs
  EXPECT_EQ(requests[1].header("Connection"), "keep-alive");
}

TEST_F(HttpClientTest, ARedirectOnAKeptConnectionLeavesItReusable) {
  TestHttpServer server([](const ReceivedRequest& r, ServerConnection& c) {
    if (r.path == "/old")
      c.send(
          "HTTP/1.1 302 Found\r\nLocation: /new\r\nConnection: keep-alive\r\n"
          "Content-Length: 5\r\n\r\nmoved");
    else
      c.send(test::okResponse("new"));
  });
  HttpResponse response = get(server.url("/old"), true);
  ASSERT_TRUE(response.ok) << response.error;
  EXPECT_EQ(response.body, "new");
  EXPECT_EQ(server.connectionCount(), 1);
}

TEST_F(HttpClientTest, FailuresOfTheResponse) {
  std::string bigHead;  // header lines beyond the 8192-byte limit
  for (int i = 0; i < 100; ++i) bigHead += "X-Line: " + std::string(90, 'v') + "\r\n";
  struct Case {
    std::string response;
    std::string message;
  } cases[] = {
      {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", g("404 Not Found - 文件不存在")},
      {"HTTP/1.1 500 Oops\r\nContent-Length: 2\r\n\r\nno",
       g("返回错误的http状态码:\nHTTP/1.1 500 Oops\r\nContent-Length: 2\r\n\r\nno")},
      {"HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 2\r\n\r\nzz",
       g("暂不支持处理 header.contentEncoding:gzip")},
      {"HTTP/1.1 200 OK\r\nContent-Length: 10485761\r\n\r\n",
       g("header.contentLength: 10485761, 大于10M")},
      {"HTTP/1.1 200 OK\r\n" + bigHead,
       g("读取 HTTP_BUFFER_SIZE 字节, 还没有读取完整个 HTTP Head.")},
      {"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc",
       g("文件大小:10, 实际接收到的文件大小:3, ret:0, errno:0")},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhel",
       g("读取失败3: body大小:未定义, 实际接收到的body大小:3, ret:0, errno:0")},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n",
       g("文件大小:-1, 实际接收到的文件大小:0, ret:")},
  };
  for (const Case& c : cases) {
    // The server sends its bytes and closes, so every failure is quick and final.
    TestHttpServer server(answer(c.response, true));
    HttpResponse response = get(server.url("/"));
    EXPECT_FALSE(response.ok) << c.response.substr(0, 60);
    EXPECT_EQ(response.errorKind, kHttpProtocolFailed);
    EXPECT_EQ(response.error.rfind(c.message, 0), 0u) << response.error;
    EXPECT_TRUE(response.body.empty());
  }
}

TEST_F(HttpClientTest, TheBodyLimitIsTenMegabytes) {
  std::string body(kHttpBodyLimit, 'b');
  TestHttpServer exact(answer(test::okResponse(body)));
  HttpResponse ok = get(exact.url("/"));
  ASSERT_TRUE(ok.ok) << ok.error;
  EXPECT_EQ(ok.length, kHttpBodyLimit);

  TestHttpServer endless([](const ReceivedRequest&, ServerConnection& c) {
    c.send("HTTP/1.0 200 OK\r\n\r\n");
    std::string block(65536, 'e');
    while (c.send(block)) continue;
  });
  HttpResponse tooLong = get(endless.url("/"));
  EXPECT_FALSE(tooLong.ok);
  EXPECT_EQ(tooLong.error.rfind("header.contentLength: -1, readTotal:", 0), 0u) << tooLong.error;

  TestHttpServer endlessChunks([](const ReceivedRequest&, ServerConnection& c) {
    c.send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n");
    std::string chunk = "10000\r\n" + std::string(65536, 'c') + "\r\n";
    while (c.send(chunk)) continue;
  });
  HttpResponse tooManyChunks = get(endlessChunks.url("/"));
  EXPECT_FALSE(tooManyChunks.ok);
  EXPECT_EQ(tooManyChunks.error.rfind(g("chunk 数据总大小超过10M: readTotal:"), 0), 0u)
      << tooManyChunks.error;
}

TEST_F(HttpClientTest, SkipsAnInterimContinue) {
  TestHttpServer server(answer("HTTP/1.1 100 Continue\r\n\r\n" + test::okResponse("after")));
  HttpResponse response = get(server.url("/"));
  ASSERT_TRUE(response.ok) << response.error;
  EXPECT_EQ(response.body, "after");
}

TEST_F(HttpClientTest, AnAddressWithoutPathAsksForTheRoot) {
  TestHttpServer server(answer(test::okResponse("root")));
  ASSERT_TRUE(get("http://127.0.0.1:" + std::to_string(server.port())).ok);
  ReceivedRequest r = server.requests().at(0);
  EXPECT_EQ(r.path, "/");
  EXPECT_EQ(r.header("Host"), "127.0.0.1:" + std::to_string(server.port()));
}

TEST_F(HttpClientTest, ConnectionFailuresAreQuickAndKindOne) {
  int port;
  {
    TestHttpServer gone(answer(""));
    port = gone.port();
  }
  HttpResponse refused = get("http://127.0.0.1:" + std::to_string(port) + "/", true);
  EXPECT_EQ(refused.errorKind, kHttpConnectFailed);
  EXPECT_EQ(refused.error, g("使用非阻塞方式连接发生错误，错误码:111"));

  HttpResponse unknown = get("http://no-such-host.invalid/x");
  EXPECT_EQ(unknown.errorKind, kHttpConnectFailed);
  EXPECT_EQ(unknown.error, g("无法解析域名: no-such-host.invalid"));

  HttpResponse invalid = get("ftp://127.0.0.1/x", true);
  EXPECT_EQ(invalid.errorKind, kHttpConnectFailed);
  EXPECT_EQ(invalid.error, g("网址不符合规范"));
}

TEST_F(HttpClientTest, VendorHostsFallBackToTheConfiguredAddress) {
  TestHttpServer server(answer(test::okResponse("vendor")));
  updateServiceSettings([](ServiceSettings& s) {
    s.vendorDomainSuffix = ".pictavo-vendor.invalid";
    s.vendorFallbackAddress = "127.0.0.1";
  });
  HttpResponse response =
      get("http://api.pictavo-vendor.invalid:" + std::to_string(server.port()) + "/x");
  ASSERT_TRUE(response.ok) << response.error;
  EXPECT_EQ(response.body, "vendor");
}

TEST_F(HttpClientTest, ASilentServerEndsAtTheReceiveTimeOut) {
  setNetTimeouts({10000, 200});
  TestHttpServer silent([](const ReceivedRequest&, ServerConnection& c) { c.waitUntilStopped(); });
  HttpResponse response = get(silent.url("/"));
  EXPECT_EQ(response.errorKind, kHttpProtocolFailed);
  EXPECT_EQ(response.error, g("读取 HTTP Head 失败: 已接收:0, ret:-1, errno:11"));

  // A body that only the end of the connection delimits is cut short by a time-out.
  TestHttpServer stalls([](const ReceivedRequest&, ServerConnection& c) {
    c.send("HTTP/1.0 200 OK\r\n\r\npartial");
    c.waitUntilStopped();
  });
  HttpResponse cut = get(stalls.url("/"));
  EXPECT_FALSE(cut.ok);
  EXPECT_EQ(cut.error, g("文件大小:-1, 实际接收到的文件大小:7, ret:-1, errno:11"));
}

// One byte every 20 ms never trips the receive time-out; for at most five seconds, so that
// a client without a deadline or a cancel ends (and fails the test) instead of hanging.
TestHttpServer::Handler trickle() {
  return [](const ReceivedRequest&, ServerConnection& c) {
    c.send("HTTP/1.0 200 OK\r\n\r\n");
    for (int i = 0; i < 250 && c.send("t"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    c.close();
  };
}

TEST_F(HttpClientTest, ATricklingServerMeetsTheDeadlineOrTheCancelFlag) {
  using Clock = std::chrono::steady_clock;
  TestHttpServer server(trickle());
  setNetTimeouts({10000, 10000, 1000});
  Clock::time_point start = Clock::now();
  HttpResponse late = get(server.url("/"), true);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
  EXPECT_FALSE(late.ok);
  EXPECT_EQ(late.error, g("请求超过 1 秒仍未完成, 已放弃。"));
  EXPECT_EQ(server.requests().size(), 1u);  // no retry after the deadline

  setNetTimeouts({});
  std::atomic<bool> stop{false};
  HttpRequest request;
  request.url = server.url("/");
  request.keepAlive = true;
  request.cancelled = [&stop] { return stop.load(); };
  std::thread canceller([&stop] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    stop = true;
  });
  start = Clock::now();
  HttpResponse cancelled = webRequest(request);
  canceller.join();
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(cancelled.errorKind, kHttpCancelled);
  EXPECT_EQ(cancelled.error, g("已取消。"));
}

TEST_F(HttpClientTest, DownloadsIntoAFile) {
  test::TempDir dir;
  std::string path = dir.file("picture.jpg");
  TestHttpServer server([](const ReceivedRequest& r, ServerConnection& c) {
    if (r.path == "/pic.jpg_.webp")
      c.send(test::redirectResponse("/pic.jpg_.webp"));
    else if (r.path == "/pic.jpg")
      c.send(test::okResponse("JPEGDATA"));
    else if (r.path == "/big")
      c.send("HTTP/1.1 200 OK\r\nContent-Length: 10485761\r\n\r\n");
    else
      c.send("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc");
  });
  HttpRequest request;
  request.url = server.url("/pic.jpg_.webp");
  DownloadResult ok = webDownloadToFile(request, path);
  ASSERT_TRUE(ok.ok) << ok.error;
  EXPECT_EQ(ok.length, 8);
  EXPECT_EQ(test::readBytes(path), "JPEGDATA");

  request.url = server.url("/big");
  DownloadResult big = webDownloadToFile(request, path);
  EXPECT_EQ(big.error, g("header.contentLength: 10485761, >允许的最大值: 10485760"));
  EXPECT_FALSE(std::filesystem::exists(path));

  request.url = server.url("/short");
  EXPECT_FALSE(webDownloadToFile(request, path).ok);
  EXPECT_FALSE(std::filesystem::exists(path));

  DownloadResult noFolder = webDownloadToFile(request, dir.file("missing/x.jpg"));
  EXPECT_EQ(noFolder.errorKind, kHttpFileOpenFailed);
  EXPECT_EQ(noFolder.error, "fopen() failed");
}

}  // namespace
}  // namespace pictavo
