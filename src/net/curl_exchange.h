// One request on one connection through libcurl, without the redirect and retry rules of
// the client: libcurl connects (TCP, or TLS with the certificate and host name checked),
// sends the request and decodes the body; ResponseCapture applies the client's own limits
// and messages. Connections come from the keep-alive pool or are fresh and closed after.
#pragma once

#include <optional>
#include <string>

#include "net/body_targets.h"
#include "net/http_request.h"

namespace pictavo {

struct Exchange {
  bool ok = false;
  bool invalidUrl = false;
  bool final = false;       // cancelled, or past the request's deadline: not worth a retry
  bool unresolved = false;  // the host name did not resolve
  std::optional<std::string> redirect;
  int errorKind = 0;
  std::string error;  // GBK
  std::string headerText;
  long long length = 0;
};

// A failed exchange of the given error kind and message.
Exchange failedExchange(int kind, std::string message);

Exchange exchangeOnce(const HttpRequest& request, BodyTarget& target);

}  // namespace pictavo
