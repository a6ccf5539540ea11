#include "net/http_request.h"

#include <mutex>

namespace pictavo {
namespace {

std::mutex gAgentMutex;
std::string gUserAgent =
    "Mozilla/5.0 (Windows NT 6.1) AppleWebKit/537.36 (KHTML, like Gecko) "
    "Chrome/91.0.4472.77 Safari/537.36";

}  // namespace

std::string headerValue(std::string_view text) {
  std::string value;
  for (unsigned char c : text) {
    if (c >= 0x20 && c != 0x7f) value += static_cast<char>(c);
  }
  return value;
}

void setUserAgent(std::string_view text) {
  std::lock_guard lock(gAgentMutex);
  gUserAgent = headerValue(text.substr(0, kUserAgentBytes));
}

std::string userAgent() {
  std::lock_guard lock(gAgentMutex);
  return gUserAgent;
}

}  // namespace pictavo
