#include "net/connection.h"

#include <atomic>

#include "project/service_config.h"
#include "util/charset.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

std::atomic<int> gConnectMs{NetTimeouts{}.connectMs};
std::atomic<int> gIoMs{NetTimeouts{}.ioMs};

void say(std::string* error, const std::string& text) {
  if (error) *error = text;
}

// The address to connect to: the host's own, or the fallback for an unresolvable host of
// the vendor's domain.
bool addressOf(const std::string& host, uint32_t* address, std::string* error) {
  if (resolveIPv4(host, address)) return true;
  ServiceSettings settings = serviceSettings();
  const std::string& suffix = settings.vendorDomainSuffix;
  if (!suffix.empty() && host.find(suffix) != std::string::npos &&
      parseIPv4(settings.vendorFallbackAddress, address))
    return true;
  say(error, gbk("无法解析域名: ") + host);
  return false;
}

// Finishes a non-blocking connect; false (with the reason) when it failed or timed out.
bool finishConnect(SocketHandle socket, ConnectStart start, int startError, std::string* error) {
  if (start == ConnectStart::Failed) {
    say(error, strprintf(gbk("使用非阻塞方式连接发生错误，错误码:%d").c_str(), startError));
    return false;
  }
  if (start == ConnectStart::InProgress) {
    int connectError = 0;
    int ended = waitForConnect(socket, gConnectMs.load(), &connectError);
    if (ended == 0) {
      say(error, gbk("使用非阻塞方式连接超时。"));
      return false;
    }
    if (ended < 0 || connectError != 0) {
      say(error, strprintf(gbk("使用非阻塞方式连接发生错误，错误码:%d").c_str(), connectError));
      return false;
    }
  }
  if (int code = setSocketNonBlocking(socket, false); code != 0) {
    say(error, strprintf(gbk("将socket重置为阻塞模式出错, 错误码:%d\n").c_str(), code));
    return false;
  }
  return true;
}

}  // namespace

NetTimeouts netTimeouts() { return {gConnectMs.load(), gIoMs.load()}; }

void setNetTimeouts(const NetTimeouts& timeouts) {
  gConnectMs = timeouts.connectMs;
  gIoMs = timeouts.ioMs;
}

SocketHandle connectTcp(const std::string& host, uint16_t port, std::string* error) {
  if (host.empty()) {
    say(error, gbk("域名 = null"));
    return kNoSocket;
  }
  uint32_t address = 0;
  if (!addressOf(host, &address, error)) return kNoSocket;
  SocketHandle socket = openTcpSocket();
  if (socket == kNoSocket) {
    say(error, "INVALID_SOCKET");
    return kNoSocket;
  }
  bool connected;
  int code = 0;
  if (int failed = setSocketNonBlocking(socket, true); failed != 0) {
    // Connect in blocking mode instead; the note stays even when that works.
    say(error,
        strprintf(gbk("开启非阻塞方式连接失败，错误代码：%d，继续使用阻塞方式进行连接。").c_str(),
                  failed));
    connected = startConnect(socket, address, port, &code) == ConnectStart::Connected;
    if (!connected) say(error, "socket bio connect() failed");
  } else {
    ConnectStart start = startConnect(socket, address, port, &code);
    connected = finishConnect(socket, start, code, error);
  }
  if (connected) {
    if (int failed = setSocketTimeouts(socket, gIoMs.load()); failed != 0) {
      say(error, strprintf(gbk("设置socket超时出错, 错误码:%d").c_str(), failed));
      connected = false;
    }
  }
  if (!connected) {
    closeSocket(socket);
    return kNoSocket;
  }
  return socket;
}

}  // namespace pictavo
