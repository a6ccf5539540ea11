#include "platform/tcp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pictavo {

bool resolveIPv4(const std::string& host, uint32_t* address) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (host.empty() || ::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
    return false;
  bool ok = false;
  for (addrinfo* a = found; a; a = a->ai_next) {
    if (a->ai_family == AF_INET && a->ai_addr) {
      *address = reinterpret_cast<sockaddr_in*>(a->ai_addr)->sin_addr.s_addr;
      ok = true;
      break;
    }
  }
  ::freeaddrinfo(found);
  return ok;
}

bool parseIPv4(const std::string& text, uint32_t* address) {
  in_addr parsed{};
  if (::inet_pton(AF_INET, text.c_str(), &parsed) != 1) return false;
  *address = parsed.s_addr;
  return true;
}

SocketHandle openTcpSocket() {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
  return fd < 0 ? kNoSocket : fd;
}

int setSocketNonBlocking(SocketHandle socket, bool nonBlocking) {
  int flags = ::fcntl(socket, F_GETFL, 0);
  if (flags < 0) return errno;
  flags = nonBlocking ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
  return ::fcntl(socket, F_SETFL, flags) < 0 ? errno : 0;
}

ConnectStart startConnect(SocketHandle socket, uint32_t address, uint16_t port, int* errorCode) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_addr.s_addr = address;
  target.sin_port = htons(port);
  *errorCode = 0;
  if (::connect(socket, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0)
    return ConnectStart::Connected;
  *errorCode = errno;
  return errno == EINPROGRESS || errno == EINTR ? ConnectStart::InProgress : ConnectStart::Failed;
}

int waitForConnect(SocketHandle socket, int timeoutMs, int* connectError) {
  pollfd entry{socket, POLLOUT, 0};
  int ready;
  do {
    ready = ::poll(&entry, 1, timeoutMs);
  } while (ready < 0 && errno == EINTR);
  if (ready < 0) {
    *connectError = errno;
    return -1;
  }
  if (ready == 0) return 0;
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
  *connectError = error;
  return 1;
}

int setSocketTimeouts(SocketHandle socket, int timeoutMs) {
  timeval limit{};
  limit.tv_sec = timeoutMs / 1000;
  limit.tv_usec = (timeoutMs % 1000) * 1000;
  if (::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0) return errno;
  if (::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit) != 0) return errno;
  return 0;
}

bool sendAll(SocketHandle socket, const char* data, size_t length) {
  size_t done = 0;
  while (done < length) {
    ssize_t n = ::send(socket, data + done, length - done, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

long receiveSome(SocketHandle socket, char* buffer, size_t capacity, int* errorCode) {
  *errorCode = 0;
  for (;;) {
    ssize_t n = ::recv(socket, buffer, capacity, 0);
    if (n >= 0) return static_cast<long>(n);
    if (errno == EINTR) continue;
    *errorCode = errno;
    return -1;
  }
}

void closeSocket(SocketHandle socket) {
  if (socket != kNoSocket) ::close(socket);
}

int lastSystemError() { return errno; }

}  // namespace pictavo
