#include "net/http_client.h"

#include <optional>

#include "net/body_targets.h"
#include "net/connection.h"
#include "net/response_reader.h"
#include "net/socket_pool.h"
#include "platform/tcp_socket.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

class SocketSource : public ByteSource {
 public:
  explicit SocketSource(SocketHandle socket) : socket_(socket) {}
  long receive(char* buffer, size_t capacity, int* errorCode) override {
    return receiveSome(socket_, buffer, capacity, errorCode);
  }

 private:
  SocketHandle socket_;
};

// The connection of one attempt: handed back to the pool when it may carry another request,
// closed otherwise, on every path.
class ConnectionLease {
 public:
  ConnectionLease(std::string host, uint16_t port, SocketHandle socket)
      : host_(std::move(host)), port_(port), socket_(socket) {}
  ~ConnectionLease() {
    if (keep_)
      releasePooledSocket(host_, port_, socket_);
    else
      closeSocket(socket_);
  }
  ConnectionLease(const ConnectionLease&) = delete;
  ConnectionLease& operator=(const ConnectionLease&) = delete;

  SocketHandle socket() const { return socket_; }
  void keep(bool reusable) { keep_ = reusable; }

 private:
  std::string host_;
  uint16_t port_;
  SocketHandle socket_;
  bool keep_ = false;
};

struct Attempt {
  bool ok = false;
  bool invalidUrl = false;
  std::optional<std::string> redirect;
  int errorKind = kHttpNoError;
  std::string error;
  std::string headerText;
  long long length = 0;
};

Attempt failed(int kind, std::string message) {
  Attempt a;
  a.errorKind = kind;
  a.error = std::move(message);
  return a;
}

// A redirect target for a download: a "_.webp" ending names the WebP variant of a picture
// whose original is wanted.
std::string downloadTarget(std::string location) {
  if (endsWithNoCase(location, "_.webp")) location.resize(location.size() - 6);
  return location;
}

void readInto(const HttpRequest& request, SocketHandle socket, BodyTarget& target, Attempt* a,
              bool* reusable) {
  BodySink* sink = target.begin();
  if (!sink) {
    a->errorKind = kHttpFileOpenFailed;
    a->error = "fopen() failed";
    return;
  }
  SocketSource source(socket);
  ResponseRules rules{request.url, request.keepAlive, kHttpBodyLimit, target.isDownload()};
  ResponseOutcome out = readResponse(source, rules, *sink);
  a->headerText = out.headerText;
  a->length = out.length;
  *reusable = out.reusable;
  if (out.kind == ResponseOutcome::Kind::Body && target.finish()) {
    a->ok = true;
    return;
  }
  target.abandon();
  if (out.kind == ResponseOutcome::Kind::Redirect) {
    a->redirect = target.isDownload() ? downloadTarget(out.header.location) : out.header.location;
  } else if (out.kind == ResponseOutcome::Kind::Body) {
    a->errorKind = kHttpFileWriteFailed;
    a->error = "fwrite() fail";
    *reusable = false;
  } else {
    a->errorKind = out.errorKind;
    a->error = out.error;
  }
}

// One request on one connection, without the redirect and retry rules.
Attempt exchange(const HttpRequest& request, BodyTarget& target) {
  ParsedUrl url;
  if (!parseUrl(request.url, &url)) {
    Attempt a = failed(kHttpConnectFailed, gbk("网址不符合规范"));
    a.invalidUrl = true;
    return a;
  }
  if (url.port == 443) url.port = 80;  // no TLS: https is fetched over plain HTTP
  uint16_t port = static_cast<uint16_t>(url.port);
  std::string error;
  SocketHandle socket = request.keepAlive ? acquirePooledSocket(url.host, port, &error)
                                          : connectTcp(url.host, port, &error);
  if (socket == kNoSocket) return failed(kHttpConnectFailed, error);
  ConnectionLease lease(url.host, port, socket);
  std::string head = buildRequestHead(request, url);
  if (!sendAll(socket, head.data(), head.size()) ||
      (request.postBody && !sendAll(socket, request.postBody->data(), request.postBody->size())))
    return failed(kHttpConnectFailed, "socket send() failed");
  Attempt a;
  bool reusable = false;
  readInto(request, socket, target, &a, &reusable);
  lease.keep(reusable);
  return a;
}

Attempt perform(const HttpRequest& request, BodyTarget& target);

// Redirects are followed as keep-alive GETs. A failure further along the chain is returned
// as it is: that request already had its own retry.
Attempt follow(const HttpRequest& request, const std::string& location, BodyTarget& target) {
  if (request.redirectDepth >= kHttpRedirectLimit)
    return failed(kHttpProtocolFailed, gbk("HTTP连继跳转已超过允许的次数。"));
  HttpRequest next;
  next.url = location;
  next.cookie = request.cookie;
  next.referer = request.referer;
  next.keepAlive = true;
  next.redirectDepth = request.redirectDepth + 1;
  return perform(next, target);
}

Attempt perform(const HttpRequest& request, BodyTarget& target) {
  Attempt a = exchange(request, target);
  if (a.redirect) return follow(request, *a.redirect, target);
  if (a.ok || a.invalidUrl || !request.keepAlive || request.redirectDepth >= kHttpRedirectLimit)
    return a;
  // A pooled connection may have been closed by the server: once more on a fresh one.
  HttpRequest fresh = request;
  fresh.keepAlive = false;
  return perform(fresh, target);
}

}  // namespace

HttpResponse webRequest(const HttpRequest& request) {
  MemoryTarget target(kHttpBodyLimit);
  Attempt a = perform(request, target);
  HttpResponse response;
  response.ok = a.ok;
  response.headerText = std::move(a.headerText);
  response.length = a.length;
  response.errorKind = a.errorKind;
  response.error = std::move(a.error);
  if (a.ok) response.body = target.takeBody();
  return response;
}

DownloadResult webDownloadToFile(const HttpRequest& request, const std::string& gbkPath) {
  HttpRequest get = request;
  get.postBody.reset();
  FileTarget target(gbkPath);
  Attempt a = perform(get, target);
  DownloadResult result;
  result.ok = a.ok;
  result.headerText = std::move(a.headerText);
  result.length = a.length;
  result.errorKind = a.errorKind;
  result.error = std::move(a.error);
  return result;
}

}  // namespace pictavo
