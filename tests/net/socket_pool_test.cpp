#include "net/socket_pool.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/http_client.h"
#include "net/net_settings.h"
#include "net_fixture.h"
#include "support/test_files.h"
#include "support/test_http_server.h"

namespace pictavo {
namespace {

class ConnectionTest : public test::NetTest {};

TEST_F(ConnectionTest, ClosingThePoolEndsItsIdleConnections) {
  test::TestHttpServer server([](const test::ReceivedRequest&, test::ServerConnection& c) {
    c.send(test::okResponse("x"));
  });
  HttpRequest request;
  request.url = server.url("/");
  request.keepAlive = true;
  ASSERT_TRUE(webRequest(request).ok);
  closePooledSockets();
  ASSERT_TRUE(server.waitForClosedConnections(1));
  ASSERT_TRUE(webRequest(request).ok);
  EXPECT_EQ(server.connectionCount(), 2);
}

TEST_F(ConnectionTest, AConnectNoOneAnswersEndsAtTheTimeOut) {
  // A listener that never accepts, with its backlog filled: further handshakes get no answer.
  int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 0), 0);
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
  std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";
  std::vector<int> fillers;
  for (int i = 0; i < 4; ++i) {
    int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
    fillers.push_back(filler);
  }
  setNetTimeouts({300, 300});
  HttpRequest request;
  request.url = url;
  HttpResponse response = webRequest(request);
  for (int filler : fillers) ::close(filler);
  ::close(listener);
  EXPECT_EQ(response.errorKind, kHttpConnectFailed);
  EXPECT_EQ(response.error, test::g("使用非阻塞方式连接超时。"));
}

}  // namespace
}  // namespace pictavo
