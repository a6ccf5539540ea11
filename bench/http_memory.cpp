// Peak memory of the HTTP client against hostile servers that never stop: a body without a
// length streamed forever, chunks forever, a header that never ends, and a download of the
// endless body, over plain HTTP and over TLS. Forked children on 127.0.0.1 play the servers
// (the TLS one with a certificate made by the openssl command, trusted through the test-only
// setting); the client must give up at its limits. Prints, per case, the outcome, the time
// taken and the process's peak resident size so far (getrusage); run it under
// /usr/bin/time -v for the whole-process figure.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/ssl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "net/http_client.h"
#include "net/net_settings.h"
#include "net/socket_pool.h"
#include "util/charset.h"

namespace {

// One connection's bytes: plain, or through TLS.
struct Wire {
  std::function<long(char*, size_t)> receive;
  std::function<long(const std::string&)> send;
};

void stream(const Wire& wire, const std::string& head, const std::string& block) {
  if (wire.send(head) <= 0) return;
  while (wire.send(block) > 0) continue;
}

// Serves one connection: what it streams depends on the request path.
void serveOne(const Wire& wire) {
  char request[4096];
  long n = wire.receive(request, sizeof request - 1);
  if (n <= 0) return;
  std::string path(request, static_cast<size_t>(n));
  path = path.substr(path.find(' ') + 1);
  path = path.substr(0, path.find(' '));
  if (path == "/chunked")
    stream(wire, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
           "10000\r\n" + std::string(65536, 'c') + "\r\n");
  else if (path == "/header")
    stream(wire, "HTTP/1.1 200 OK\r\n", "X-Endless: " + std::string(1000, 'h'));
  else
    stream(wire, "HTTP/1.0 200 OK\r\n\r\n", std::string(65536, 'b'));
}

void serveConnection(int fd, SSL_CTX* tls) {
  if (!tls) {
    serveOne({[fd](char* b, size_t n) { return static_cast<long>(::recv(fd, b, n, 0)); },
              [fd](const std::string& s) {
                return static_cast<long>(::send(fd, s.data(), s.size(), MSG_NOSIGNAL));
              }});
    return;
  }
  SSL* ssl = SSL_new(tls);
  SSL_set_fd(ssl, fd);
  if (SSL_accept(ssl) == 1)
    serveOne({[ssl](char* b, size_t n) {
                return static_cast<long>(SSL_read(ssl, b, static_cast<int>(n)));
              },
              [ssl](const std::string& s) {
                return static_cast<long>(SSL_write(ssl, s.data(), static_cast<int>(s.size())));
              }});
  SSL_free(ssl);
}

[[noreturn]] void serve(int listener, SSL_CTX* tls) {
  ::signal(SIGPIPE, SIG_IGN);
  for (;;) {
    int fd = ::accept(listener, nullptr, nullptr);
    if (fd < 0) continue;
    if (::fork() == 0) {
      serveConnection(fd, tls);
      ::_exit(0);
    }
    ::close(fd);
  }
}

int listenOnLoopback(uint16_t* port) {
  int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener, 16) != 0 ||
      ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    return -1;
  *port = ntohs(address.sin_port);
  return listener;
}

// A test authority and a certificate for 127.0.0.1 signed by it, in `dir`.
bool makeCertificates(const std::string& dir) {
  std::string key = " -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes ";
  std::string commands = "(openssl req -x509" + key + "-days 2 -subj /CN=BenchCA -keyout " + dir +
                         "/ca.key -out " + dir + "/ca.pem && openssl req" + key +
                         "-subj /CN=127.0.0.1 -keyout " + dir + "/server.key -out " + dir +
                         "/server.csr && printf 'subjectAltName=IP:127.0.0.1\\n' > " + dir +
                         "/ext && openssl x509 -req -in " + dir + "/server.csr -CA " + dir +
                         "/ca.pem -CAkey " + dir + "/ca.key -CAcreateserial -days 2 -extfile " +
                         dir + "/ext -out " + dir + "/server.pem) 2>/dev/null";
  return std::system(commands.c_str()) == 0;
}

pid_t startServer(SSL_CTX* tls, uint16_t* port) {
  int listener = listenOnLoopback(port);
  if (listener < 0) return -1;
  pid_t server = ::fork();
  if (server == 0) serve(listener, tls);
  ::close(listener);
  return server;
}

long peakKb() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void report(const char* name, bool ok, const std::string& error, double seconds) {
  std::printf("%-28s ok=%d  %.2f s  peak RSS %ld KB  (%s)\n", name, ok ? 1 : 0, seconds, peakKb(),
              pictavo::utf8(error).c_str());
}

template <typename F>
void measure(const char* name, F request) {
  auto start = std::chrono::steady_clock::now();
  auto [ok, error] = request();
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  report(name, ok, error, took.count());
}

void runCases(const std::string& base, const char* label) {
  for (const char* path : {"/endless", "/chunked", "/header"}) {
    for (bool keepAlive : {false, true}) {
      std::string name = std::string(label) + path + (keepAlive ? " keep-alive" : "");
      measure(name.c_str(), [&] {
        pictavo::HttpRequest request;
        request.url = base + path;
        request.keepAlive = keepAlive;
        pictavo::HttpResponse r = pictavo::webRequest(request);
        return std::make_pair(r.ok, r.error);
      });
    }
  }
  std::string name = std::string(label) + "/endless download";
  measure(name.c_str(), [&] {
    pictavo::HttpRequest request;
    request.url = base + "/endless";
    pictavo::DownloadResult r = pictavo::webDownloadToFile(request, "/tmp/pictavo-bench-endless");
    return std::make_pair(r.ok, r.error);
  });
}

}  // namespace

int main() {
  char folder[] = "/tmp/pictavo-bench-tls-XXXXXX";
  if (!::mkdtemp(folder) || !makeCertificates(folder)) {
    std::fprintf(stderr, "openssl could not make the certificates\n");
    return 1;
  }
  std::string dir = folder;
  SSL_CTX* tls = SSL_CTX_new(TLS_server_method());
  if (SSL_CTX_use_certificate_file(tls, (dir + "/server.pem").c_str(), SSL_FILETYPE_PEM) != 1 ||
      SSL_CTX_use_PrivateKey_file(tls, (dir + "/server.key").c_str(), SSL_FILETYPE_PEM) != 1) {
    std::fprintf(stderr, "the server certificate does not load\n");
    return 1;
  }
  ::signal(SIGCHLD, SIG_IGN);  // the servers' children end by themselves
  uint16_t plainPort = 0, tlsPort = 0;
  pid_t plain = startServer(nullptr, &plainPort);
  pid_t secure = startServer(tls, &tlsPort);
  if (plain < 0 || secure < 0) {
    std::perror("listen");
    return 1;
  }
  pictavo::setTrustedCertificatesForTesting(dir + "/ca.pem");
  pictavo::socket_pool_init();
  std::printf("baseline                                           peak RSS %ld KB\n", peakKb());
  runCases("http://127.0.0.1:" + std::to_string(plainPort), "");
  runCases("https://127.0.0.1:" + std::to_string(tlsPort), "tls ");
  ::kill(plain, SIGKILL);
  ::kill(secure, SIGKILL);
  ::waitpid(plain, nullptr, 0);
  ::waitpid(secure, nullptr, 0);
  ::signal(SIGCHLD, SIG_DFL);
  std::system(("rm -rf " + dir).c_str());
  return 0;
}
