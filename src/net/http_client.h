// The HTTP/1.x client: GET and form POST requests over fresh or pooled keep-alive
// connections, redirects, chunked bodies and the 10 MB limit. "https:" addresses are fetched
// over TLS (port 443 unless given) with the server's certificate and name checked against
// the system's trust store; there is no fallback to plain HTTP. libcurl carries the bytes
// (curl_exchange.h). The client never shows anything; every failure comes back as an error
// kind and a GBK message. Thread-safe.
#pragma once

#include <string>

#include "net/http_request.h"

namespace pictavo {

enum HttpErrorKind : int {
  kHttpNoError = 0,
  kHttpConnectFailed = 1,   // address, connection or send failure
  kHttpProtocolFailed = 2,  // HTTP status, header, body or limit
  kHttpFileOpenFailed = 3,  // downloads only
  kHttpFileWriteFailed = 4,
  kHttpCancelled = 5,  // the request's cancel flag was set
};

struct HttpResponse {
  bool ok = false;
  std::string headerText;  // status line to the blank line (exclusive); "" when none came
  std::string body;        // the whole body when ok
  long long length = 0;    // body bytes received
  int errorKind = kHttpNoError;
  std::string error;  // GBK, when not ok
};

// As HttpResponse, without the body: it went into the file.
struct DownloadResult {
  bool ok = false;
  std::string headerText;
  long long length = 0;
  int errorKind = kHttpNoError;
  std::string error;
};

// Makes the request, following up to 8 redirects (as keep-alive GETs). A keep-alive request
// that fails (other than for an invalid address, a cancel or its deadline) is made once more
// on a fresh connection.
HttpResponse webRequest(const HttpRequest& request);

// The same request, writing the body into the file at `gbkPath` as it arrives. A redirect
// target ending in "_.webp" loses that suffix. On failure the file is removed.
DownloadResult webDownloadToFile(const HttpRequest& request, const std::string& gbkPath);

}  // namespace pictavo
