#include "net/curl_exchange.h"

#include <curl/curl.h>

#include <chrono>
#include <memory>

#include "net/curl_global.h"
#include "net/http_client.h"
#include "net/http_url.h"
#include "net/net_settings.h"
#include "net/response_capture.h"
#include "net/socket_pool.h"
#include "net/transfer_errors.h"
#include "project/service_config.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {

Exchange failedExchange(int kind, std::string message) {
  Exchange e;
  e.errorKind = kind;
  e.error = std::move(message);
  return e;
}

namespace {

using Clock = std::chrono::steady_clock;
using Easy = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using Multi = std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)>;
using Slist = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

// How often a running request looks at its cancel flag, deadline and silence.
constexpr int kPollMs = 50;

// The response being read and when bytes last arrived.
struct Watch {
  ResponseCapture& capture;
  Clock::time_point lastActivity = Clock::now();
};

size_t onHeader(char* data, size_t size, size_t count, void* user) {
  auto* watch = static_cast<Watch*>(user);
  watch->lastActivity = Clock::now();
  size_t n = size * count;
  return watch->capture.headerLine({data, n}) ? n : 0;
}

size_t onBody(char* data, size_t size, size_t count, void* user) {
  auto* watch = static_cast<Watch*>(user);
  watch->lastActivity = Clock::now();
  size_t n = size * count;
  return watch->capture.body(data, n) ? n : 0;
}

// What the easy handle points at, alive as long as the transfer.
struct Options {
  Slist headers{nullptr, curl_slist_free_all};
  Slist resolve{nullptr, curl_slist_free_all};
  std::string agent, referer, cookie, certificates;
  std::shared_ptr<CURLSH> pool;
  char detail[CURL_ERROR_SIZE] = {};
};

void addHeader(Slist& list, const std::string& line) {
  list.reset(curl_slist_append(list.release(), line.c_str()));
}

void configure(CURL* easy, const HttpRequest& request, const RequestTarget& target, Options& o,
               Watch& watch) {
  curl_easy_setopt(easy, CURLOPT_URL, target.url.c_str());
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, o.detail);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(netTimeouts().connectMs));
  curl_easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, 0L);
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION,
                   request.keepAlive ? CURL_HTTP_VERSION_1_1 : CURL_HTTP_VERSION_1_0);
  addHeader(o.headers, "Accept: */*");
  addHeader(o.headers, "Accept-Language: zh-cn");
  addHeader(o.headers, request.keepAlive ? "Connection: keep-alive" : "Connection: close");
  addHeader(o.headers, "Expect:");  // a form body goes out at once
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, o.headers.get());
  o.agent = userAgent();
  curl_easy_setopt(easy, CURLOPT_USERAGENT, o.agent.c_str());
  o.referer = headerValue(request.referer);
  if (!o.referer.empty()) curl_easy_setopt(easy, CURLOPT_REFERER, o.referer.c_str());
  o.cookie = headerValue(request.cookie);
  if (!o.cookie.empty()) curl_easy_setopt(easy, CURLOPT_COOKIE, o.cookie.c_str());
  if (request.postBody) {
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request.postBody->data());
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                     static_cast<curl_off_t>(request.postBody->size()));
  }
  if (request.keepAlive) {
    o.pool = leasePooledConnections();
    if (o.pool) curl_easy_setopt(easy, CURLOPT_SHARE, o.pool.get());
  } else {
    curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
  }
  o.certificates = trustedCertificatesFile();
  if (!o.certificates.empty()) {
    curl_easy_setopt(easy, CURLOPT_CAINFO, o.certificates.c_str());
    curl_easy_setopt(easy, CURLOPT_CAPATH, nullptr);
  }
  if (o.resolve) curl_easy_setopt(easy, CURLOPT_RESOLVE, o.resolve.get());
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, onHeader);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &watch);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, onBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &watch);
}

// How far the connection got: a local port means the TCP connect finished.
ConnectionState connectionState(CURL* easy, bool secure) {
  long localPort = 0;
  curl_off_t tls = 0;
  curl_easy_getinfo(easy, CURLINFO_LOCAL_PORT, &localPort);
  curl_easy_getinfo(easy, CURLINFO_APPCONNECT_TIME_T, &tls);
  return {localPort > 0, !secure || tls > 0};
}

enum class Halt { None, Cancelled, Deadline, Silent };

struct Run {
  CURLcode code = CURLE_OK;
  Halt halt = Halt::None;
};

// Drives the transfer, stopping it when it is cancelled, passes its deadline or, once
// connected, stays silent longer than the receive time-out.
Run drive(CURL* easy, const HttpRequest& request, bool secure, Watch& watch) {
  NetTimeouts timeouts = netTimeouts();
  Multi multi(curl_multi_init(), curl_multi_cleanup);
  Run run;
  if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) {
    run.code = CURLE_OUT_OF_MEMORY;
    return run;
  }
  Clock::time_point start = Clock::now();
  bool open = false;
  for (;;) {
    int running = 0;
    curl_multi_perform(multi.get(), &running);
    int left = 0;
    bool done = false;
    while (CURLMsg* message = curl_multi_info_read(multi.get(), &left)) {
      if (message->msg != CURLMSG_DONE) continue;
      run.code = message->data.result;
      done = true;
    }
    if (done) break;
    Clock::time_point now = Clock::now();
    auto since = [&](Clock::time_point t) {
      return std::chrono::duration_cast<std::chrono::milliseconds>(now - t).count();
    };
    // The receive time-out counts once the connection is open (or could have been opened).
    ConnectionState state = connectionState(easy, secure);
    if (!open && ((state.tcpConnected && state.tlsDone) || since(start) >= timeouts.connectMs)) {
      open = true;
      watch.lastActivity = now;
    }
    if (request.cancelled && request.cancelled()) {
      run.halt = Halt::Cancelled;
    } else if (since(start) >= timeouts.totalMs) {
      run.halt = Halt::Deadline;
    } else if (open && since(watch.lastActivity) >= timeouts.ioMs) {
      run.halt = Halt::Silent;
    }
    if (run.halt != Halt::None) break;
    curl_multi_poll(multi.get(), nullptr, 0, kPollMs, nullptr);
  }
  curl_multi_remove_handle(multi.get(), easy);  // a transfer stopped early loses its connection
  return run;
}

// A host of the vendor's domain that does not resolve is reached at the configured address.
Slist fallbackAddress(const RequestTarget& target) {
  Slist none(nullptr, curl_slist_free_all);
  ServiceSettings settings = serviceSettings();
  const std::string& suffix = settings.vendorDomainSuffix;
  const std::string& address = settings.vendorFallbackAddress;
  if (suffix.empty() || target.host.find(suffix) == std::string::npos || address.empty() ||
      address.find_first_not_of("0123456789.") != std::string::npos)
    return none;
  std::string entry = strprintf("%s:%d:%s", target.host.c_str(), target.port, address.c_str());
  return Slist(curl_slist_append(nullptr, entry.c_str()), curl_slist_free_all);
}

Exchange outcomeOf(const Run& run, CURL* easy, const RequestTarget& target,
                   const ResponseCapture& capture, BodyTarget& body, const Options& o) {
  if (run.halt == Halt::Cancelled) {
    Exchange e = failedExchange(kHttpCancelled, localText("已取消。"));
    e.final = true;
    return e;
  }
  if (run.halt == Halt::Deadline) {
    Exchange e = failedExchange(
        capture.headerBytes() ? kHttpProtocolFailed : kHttpConnectFailed,
        localFormat("请求超过 %d 秒仍未完成, 已放弃。", netTimeouts().totalMs / 1000));
    e.final = true;
    return e;
  }
  ConnectionState state = connectionState(easy, target.secure);
  long osError = 0;
  curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &osError);
  if (capture.headerBytes() == 0 && !capture.stopped()) {
    CURLcode code = run.halt == Halt::Silent ? CURLE_OPERATION_TIMEDOUT : run.code;
    if (auto message = connectionFailure(code, target.host, state, osError, o.detail)) {
      Exchange e = failedExchange(kHttpConnectFailed, *message);
      e.unresolved = code == CURLE_COULDNT_RESOLVE_HOST;
      return e;
    }
  }
  TransferEnd end;
  end.timedOut = run.halt == Halt::Silent || run.code == CURLE_OPERATION_TIMEDOUT;
  end.complete = run.halt == Halt::None && run.code == CURLE_OK;
  if (run.code == CURLE_RECV_ERROR) end.osError = static_cast<int>(osError);
  // libcurl refuses a header line longer than it buffers (100 KB) as out of memory.
  end.headerTooLong = run.code == CURLE_OUT_OF_MEMORY && !capture.headerComplete();
  CaptureOutcome out = capture.finish(end);
  Exchange e;
  e.headerText = capture.headerText();
  e.length = out.length;
  e.errorKind = out.errorKind;
  e.error = out.error;
  if (out.kind == CaptureOutcome::Kind::Redirect) e.redirect = out.location;
  if (out.kind != CaptureOutcome::Kind::Body) return e;
  if (body.finish()) {
    e.ok = true;
    e.errorKind = kHttpNoError;
  } else {
    e.errorKind = kHttpFileWriteFailed;
    e.error = "fwrite() fail";
  }
  return e;
}

Exchange attempt(const HttpRequest& request, const RequestTarget& target, BodyTarget& body,
                 Slist resolve) {
  BodySink* sink = body.begin();
  if (!sink) return failedExchange(kHttpFileOpenFailed, "fopen() failed");
  // Declared before the handle so that the handle is cleaned up first: it must leave the
  // shared pool before the pool may be released.
  Options options;
  options.resolve = std::move(resolve);
  CaptureRules rules{target.url, request.keepAlive, kHttpBodyLimit, body.isDownload()};
  ResponseCapture capture(rules, *sink);
  Watch watch{capture};
  Easy easy(curl_easy_init(), curl_easy_cleanup);
  if (!easy) return failedExchange(kHttpConnectFailed, "curl_easy_init() failed");
  configure(easy.get(), request, target, options, watch);
  Run run = drive(easy.get(), request, target.secure, watch);
  Exchange e = outcomeOf(run, easy.get(), target, capture, body, options);
  if (!e.ok) body.abandon();
  return e;
}

}  // namespace

Exchange exchangeOnce(const HttpRequest& request, BodyTarget& body) {
  initCurl();
  std::optional<RequestTarget> target = requestTarget(request.url);
  if (!target) {
    Exchange e = failedExchange(kHttpConnectFailed, localText("网址不符合规范"));
    e.invalidUrl = true;
    return e;
  }
  if (request.cancelled && request.cancelled()) {
    Exchange e = failedExchange(kHttpCancelled, localText("已取消。"));
    e.final = true;
    return e;
  }
  Exchange e = attempt(request, *target, body, Slist(nullptr, curl_slist_free_all));
  if (!e.unresolved) return e;
  Slist fallback = fallbackAddress(*target);
  return fallback ? attempt(request, *target, body, std::move(fallback)) : e;
}

}  // namespace pictavo
