#include "support/test_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdlib>

namespace pictavo::test {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

// Reads one request; false when the connection ended first.
bool readRequest(ServerConnection& connection, std::string* pending, ReceivedRequest* request) {
  size_t end;
  while ((end = pending->find("\r\n\r\n")) == std::string::npos) {
    char buffer[4096];
    long n = connection.receive(buffer, sizeof buffer);
    if (n <= 0 || pending->size() > 65536) return false;
    pending->append(buffer, static_cast<size_t>(n));
  }
  request->headerText = pending->substr(0, end);
  pending->erase(0, end + 4);
  std::string_view line(request->headerText);
  line = line.substr(0, line.find("\r\n"));
  size_t a = line.find(' '), b = line.rfind(' ');
  request->method = std::string(line.substr(0, a));
  request->path = a == b ? "" : std::string(line.substr(a + 1, b - a - 1));
  request->version = std::string(line.substr(b + 1));
  size_t length = std::strtoul(request->header("Content-Length").c_str(), nullptr, 10);
  while (pending->size() < length) {
    char buffer[4096];
    long n = connection.receive(buffer, sizeof buffer);
    if (n <= 0) return false;
    pending->append(buffer, static_cast<size_t>(n));
  }
  request->body = pending->substr(0, length);
  pending->erase(0, length);
  return true;
}

}  // namespace

std::string ReceivedRequest::header(std::string_view name) const {
  std::string_view text(headerText);
  while (!text.empty()) {
    size_t end = text.find("\r\n");
    std::string_view line = text.substr(0, end);
    if (startsWithNoCase(line, name) && line.size() > name.size() && line[name.size()] == ':') {
      std::string_view value = line.substr(name.size() + 1);
      while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      return std::string(value);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
  return "";
}

long ServerConnection::receive(char* buffer, size_t capacity) {
  if (tls_) return SSL_read(tls_, buffer, static_cast<int>(capacity));
  return ::recv(fd_, buffer, capacity, 0);
}

bool ServerConnection::send(std::string_view bytes) {
  while (!bytes.empty()) {
    if (stopping_) return false;
    long n = tls_ ? SSL_write(tls_, bytes.data(), static_cast<int>(bytes.size()))
                  : ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

void ServerConnection::waitUntilStopped() const {
  while (!stopping_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

TestHttpServer::TestHttpServer(Handler handler, int port) : handler_(std::move(handler)) {
  listenOn(port);
}

TestHttpServer::TestHttpServer(Handler handler, const TlsIdentity& identity)
    : handler_(std::move(handler)) {
  ::signal(SIGPIPE, SIG_IGN);  // a client that leaves mid-write is a failed write
  tls_ = SSL_CTX_new(TLS_server_method());
  if (SSL_CTX_use_certificate_chain_file(tls_, identity.certificate.c_str()) != 1 ||
      SSL_CTX_use_PrivateKey_file(tls_, identity.key.c_str(), SSL_FILETYPE_PEM) != 1)
    return;
  listenOn(0);
}

void TestHttpServer::listenOn(int port) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int yes = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  socklen_t size = sizeof address;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(fd, 64) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    ::close(fd);
    return;
  }
  listenFd_ = fd;
  port_ = ntohs(address.sin_port);
  acceptor_ = std::thread([this] { acceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
  stopping_ = true;
  if (acceptor_.joinable()) acceptor_.join();
  {
    std::lock_guard lock(mutex_);
    for (int fd : openFds_) ::shutdown(fd, SHUT_RDWR);
  }
  for (std::thread& worker : workers_) worker.join();
  if (listenFd_ >= 0) ::close(listenFd_);
  if (tls_) SSL_CTX_free(tls_);
}

std::string TestHttpServer::url(const std::string& path) const {
  return (tls_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_) + path;
}

std::vector<ReceivedRequest> TestHttpServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

namespace {

bool waitFor(const std::atomic<int>& counter, int count) {
  for (int i = 0; i < 500 && counter.load() < count; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return counter.load() >= count;
}

}  // namespace

bool TestHttpServer::waitForConnections(int count) const { return waitFor(accepted_, count); }

bool TestHttpServer::waitForClosedConnections(int count) const { return waitFor(closed_, count); }

void TestHttpServer::acceptLoop() {
  while (!stopping_) {
    pollfd entry{listenFd_, POLLIN, 0};
    if (::poll(&entry, 1, 50) <= 0) continue;
    int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    int index = accepted_++;
    std::lock_guard lock(mutex_);
    openFds_.push_back(fd);
    workers_.emplace_back([this, fd, index] { serve(fd, index); });
  }
}

void TestHttpServer::serve(int fd, int index) {
  std::string pending;
  SSL* tls = nullptr;
  if (tls_) {
    tls = SSL_new(tls_);
    SSL_set_fd(tls, fd);
  }
  ServerConnection connection(fd, tls, index, stopping_);
  // A client that refuses the certificate ends the handshake; its connection ends here.
  bool ready = !tls || SSL_accept(tls) == 1;
  for (;;) {
    ReceivedRequest request;
    if (!ready || stopping_ || !readRequest(connection, &pending, &request)) break;
    request.connection = index;
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
    }
    handler_(request, connection);
    bool keepAlive =
        request.version == "HTTP/1.1" && !startsWithNoCase(request.header("Connection"), "close");
    if (connection.closeRequested() || !keepAlive) break;
  }
  if (tls) SSL_free(tls);
  {
    std::lock_guard lock(mutex_);
    ::shutdown(fd, SHUT_RDWR);
    ::close(fd);
    std::erase(openFds_, fd);
  }
  ++closed_;
}

std::string okResponse(std::string_view body, std::string_view extraHeaders) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
         std::string(extraHeaders) + "\r\n" + std::string(body);
}

std::string redirectResponse(std::string_view location, std::string_view status) {
  return "HTTP/1.1 " + std::string(status) + "\r\nLocation: " + std::string(location) +
         "\r\nContent-Length: 0\r\n\r\n";
}

std::string chunkedBody(std::string_view body, size_t chunkSize, std::string_view extension,
                        std::string_view trailer) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (size_t at = 0; at < body.size(); at += chunkSize) {
    std::string_view chunk = body.substr(at, chunkSize);
    std::string size;
    for (size_t n = chunk.size(); n; n /= 16) size.insert(size.begin(), kHex[n % 16]);
    out += size + std::string(extension) + "\r\n" + std::string(chunk) + "\r\n";
  }
  out += "0" + std::string(extension) + "\r\n" + std::string(trailer) + "\r\n";
  return out;
}

}  // namespace pictavo::test
