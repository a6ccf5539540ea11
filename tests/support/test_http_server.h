// A small HTTP server on 127.0.0.1 for tests of the network code, plain or over TLS with a
// certificate the test chooses. Each request read from a
// connection is handed to the test's handler, which writes whatever bytes it likes (well
// formed or hostile) and may close the connection. Connections stay open between requests
// unless the handler or the request closes them.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

typedef struct ssl_st SSL;
typedef struct ssl_ctx_st SSL_CTX;

namespace pictavo::test {

// The PEM files of a TLS server: its certificate (chain) and private key.
struct TlsIdentity {
  std::string certificate;
  std::string key;
};

struct ReceivedRequest {
  std::string method;
  std::string path;
  std::string version;     // "HTTP/1.1"
  std::string headerText;  // request line and header lines, without the blank line
  std::string body;
  int connection = 0;  // index of the connection it came on, from 0

  // The value of the first header line named `name` (any case); "" when absent.
  std::string header(std::string_view name) const;
};

class ServerConnection {
 public:
  ServerConnection(int fd, SSL* tls, int index, const std::atomic<bool>& stopping)
      : fd_(fd), tls_(tls), index_(index), stopping_(stopping) {}
  // False once the client is gone or the server stops.
  bool send(std::string_view bytes);
  // At most `capacity` bytes of the request; 0 or less once the client is gone.
  long receive(char* buffer, size_t capacity);
  // Closes the connection after the handler returns.
  void close() { closeRequested_ = true; }
  bool closeRequested() const { return closeRequested_; }
  int index() const { return index_; }
  // Holds the connection open, silent, until the server stops.
  void waitUntilStopped() const;

 private:
  int fd_;
  SSL* tls_;
  int index_;
  const std::atomic<bool>& stopping_;
  bool closeRequested_ = false;
};

class TestHttpServer {
 public:
  using Handler = std::function<void(const ReceivedRequest&, ServerConnection&)>;

  // Listens on 127.0.0.1:port (0 = any free port); with an identity, speaks TLS.
  explicit TestHttpServer(Handler handler, int port = 0);
  TestHttpServer(Handler handler, const TlsIdentity& identity);
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  bool listening() const { return listenFd_ >= 0; }
  int port() const { return port_; }
  // "http://127.0.0.1:PORT" (or "https://...") followed by `path`.
  std::string url(const std::string& path) const;

  std::vector<ReceivedRequest> requests() const;
  int connectionCount() const { return accepted_.load(); }
  int closedConnectionCount() const { return closed_.load(); }
  // Wait (at most a few seconds) until `count` connections were accepted / have ended.
  bool waitForConnections(int count) const;
  bool waitForClosedConnections(int count) const;

 private:
  void listenOn(int port);
  void acceptLoop();
  void serve(int fd, int index);

  Handler handler_;
  SSL_CTX* tls_ = nullptr;
  int listenFd_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> accepted_{0};
  std::atomic<int> closed_{0};
  mutable std::mutex mutex_;
  std::vector<ReceivedRequest> requests_;
  std::vector<int> openFds_;
  std::vector<std::thread> workers_;
  std::thread acceptor_;
};

// A response with a Content-Length; `extraHeaders` are whole lines ending in "\r\n".
std::string okResponse(std::string_view body, std::string_view extraHeaders = "");
// "HTTP/1.1 <status>" with a Location line and an empty body.
std::string redirectResponse(std::string_view location, std::string_view status = "302 Found");
// The body as chunks of at most `chunkSize` bytes, each size line carrying `extension`.
std::string chunkedBody(std::string_view body, size_t chunkSize, std::string_view extension = "",
                        std::string_view trailer = "");

}  // namespace pictavo::test
