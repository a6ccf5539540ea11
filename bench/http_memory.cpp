// Peak memory of the HTTP client against hostile servers that never stop: a body without a
// length streamed forever, chunks forever, a header that never ends, and a download of the
// endless body. A forked child on 127.0.0.1 plays the server; the client must give up at its
// limits. Prints, per case, the outcome, the time taken and the process's peak resident size
// so far (getrusage); run it under /usr/bin/time -v for the whole-process figure.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "net/http_client.h"
#include "net/socket_pool.h"
#include "util/charset.h"

namespace {

void stream(int fd, const std::string& head, const std::string& block) {
  if (::send(fd, head.data(), head.size(), MSG_NOSIGNAL) < 0) return;
  while (::send(fd, block.data(), block.size(), MSG_NOSIGNAL) > 0) continue;
}

// Serves one connection: what it streams depends on the request path.
void serveOne(int fd) {
  char request[4096];
  ssize_t n = ::recv(fd, request, sizeof request - 1, 0);
  if (n <= 0) return;
  std::string path(request, static_cast<size_t>(n));
  path = path.substr(path.find(' ') + 1);
  path = path.substr(0, path.find(' '));
  if (path == "/chunked")
    stream(fd, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
           "10000\r\n" + std::string(65536, 'c') + "\r\n");
  else if (path == "/header")
    stream(fd, "HTTP/1.1 200 OK\r\n", "X-Endless: " + std::string(1000, 'h'));
  else
    stream(fd, "HTTP/1.0 200 OK\r\n\r\n", std::string(65536, 'b'));
}

[[noreturn]] void serve(int listener) {
  for (;;) {
    int fd = ::accept(listener, nullptr, nullptr);
    if (fd < 0) continue;
    if (::fork() == 0) {
      serveOne(fd);
      ::_exit(0);
    }
    ::close(fd);
  }
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

}  // namespace

int main() {
  int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener, 16) != 0 ||
      ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    std::perror("listen");
    return 1;
  }
  ::signal(SIGCHLD, SIG_IGN);
  pid_t server = ::fork();
  if (server == 0) serve(listener);
  ::close(listener);

  pictavo::socket_pool_init();
  std::string base = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
  std::printf("baseline                                           peak RSS %ld KB\n", peakKb());
  for (const char* path : {"/endless", "/chunked", "/header"}) {
    for (bool keepAlive : {false, true}) {
      std::string name = std::string(path) + (keepAlive ? " keep-alive" : "");
      measure(name.c_str(), [&] {
        pictavo::HttpRequest request;
        request.url = base + path;
        request.keepAlive = keepAlive;
        pictavo::HttpResponse r = pictavo::webRequest(request);
        return std::make_pair(r.ok, r.error);
      });
    }
  }
  measure("/endless download", [&] {
    pictavo::HttpRequest request;
    request.url = base + "/endless";
    pictavo::DownloadResult r = pictavo::webDownloadToFile(request, "/tmp/pictavo-bench-endless");
    return std::make_pair(r.ok, r.error);
  });
  ::kill(server, SIGKILL);
  ::waitpid(server, nullptr, 0);
  return 0;
}
