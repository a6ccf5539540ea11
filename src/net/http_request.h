// What the HTTP client is asked: the request record and the User-Agent every request sends.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

struct HttpRequest {
  std::string url;
  std::string cookie;   // "" for none
  std::string referer;  // "" for none
  bool keepAlive = false;
  int redirectDepth = 0;                // 0 for a new request
  std::optional<std::string> postBody;  // a form body makes it a POST
  // Polled while the request runs (from its own thread); true stops it at once. Any thread
  // may set the flag it reads. Empty: never cancelled.
  std::function<bool()> cancelled;
  // Refuse a redirect to a plain "http:" address (for requests that must stay private).
  bool httpsOnly = false;
};

inline constexpr size_t kUserAgentBytes = 255;

// Replaces the User-Agent of every later request (cut to 255 bytes). Thread-safe.
void setUserAgent(std::string_view text);
std::string userAgent();

// A header value without control characters, so that a cookie or a referer cannot start a
// header line of its own.
std::string headerValue(std::string_view text);

}  // namespace pictavo
