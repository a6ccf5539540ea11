// What the HTTP client sends: the request record, the User-Agent and the request header.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "net/http_url.h"

namespace pictavo {

struct HttpRequest {
  std::string url;
  std::string cookie;   // "" for none
  std::string referer;  // "" for none
  bool keepAlive = false;
  int redirectDepth = 0;                // 0 for a new request
  std::optional<std::string> postBody;  // a form body makes it a POST
};

inline constexpr size_t kUserAgentBytes = 255;

// Replaces the User-Agent of every later request (cut to 255 bytes). Thread-safe.
void setUserAgent(std::string_view text);
std::string userAgent();

// The request line and header lines, ending with the empty line. Control characters in the
// cookie and the referer are dropped so that they cannot start a header line of their own.
std::string buildRequestHead(const HttpRequest& request, const ParsedUrl& target);

}  // namespace pictavo
