#include "net/socket_pool.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/connection.h"
#include "net_fixture.h"
#include "support/test_files.h"
#include "support/test_http_server.h"

namespace pictavo {
namespace {

class SocketPoolTest : public test::NetTest {};

TEST_F(SocketPoolTest, HandsBackTheLastReturnedSocketFirst) {
  test::TestHttpServer server([](const test::ReceivedRequest&, test::ServerConnection&) {});
  uint16_t port = static_cast<uint16_t>(server.port());
  std::string error;
  SocketHandle first = acquirePooledSocket("127.0.0.1", port, &error);
  SocketHandle second = acquirePooledSocket("127.0.0.1", port, &error);
  ASSERT_NE(first, kNoSocket) << error;
  ASSERT_NE(second, kNoSocket) << error;
  releasePooledSocket("127.0.0.1", port, first);
  releasePooledSocket("127.0.0.1", port, second);
  EXPECT_EQ(pooledSocketCount("127.0.0.1", port), 2);
  EXPECT_EQ(acquirePooledSocket("127.0.0.1", port, &error), second);
  EXPECT_EQ(acquirePooledSocket("127.0.0.1", port, &error), first);
  EXPECT_TRUE(server.waitForConnections(2));
  EXPECT_EQ(server.connectionCount(), 2);
  closeSocket(first);
  closeSocket(second);
}

TEST_F(SocketPoolTest, ASocketOfAnUnknownKeyIsClosedNotPooled) {
  test::TestHttpServer server([](const test::ReceivedRequest&, test::ServerConnection&) {});
  std::string error;
  SocketHandle socket = connectTcp("127.0.0.1", static_cast<uint16_t>(server.port()), &error);
  ASSERT_NE(socket, kNoSocket);
  releasePooledSocket("never-asked.invalid", 80, socket);
  EXPECT_EQ(pooledSocketCount("never-asked.invalid", 80), 0);
  ASSERT_TRUE(server.waitForClosedConnections(1));
}

TEST_F(SocketPoolTest, AConnectNoOneAnswersEndsAtTheTimeOut) {
  // A listener that never accepts, with its backlog filled: further handshakes get no answer.
  int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 0), 0);
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
  uint16_t port = ntohs(address.sin_port);
  setNetTimeouts({300, 300});
  std::vector<SocketHandle> fillers;
  std::string error;
  SocketHandle socket = kNoSocket;
  for (int i = 0; i < 8 && error.empty(); ++i) {
    socket = connectTcp("127.0.0.1", port, &error);
    if (socket != kNoSocket) fillers.push_back(socket);
  }
  for (SocketHandle s : fillers) closeSocket(s);
  ::close(listener);
  EXPECT_EQ(socket, kNoSocket);
  EXPECT_EQ(error, test::g("使用非阻塞方式连接超时。"));
}

TEST_F(SocketPoolTest, AnEmptyHostNameIsRefused) {
  std::string error;
  EXPECT_EQ(connectTcp("", 80, &error), kNoSocket);
  EXPECT_EQ(error, test::g("域名 = null"));
}

}  // namespace
}  // namespace pictavo
