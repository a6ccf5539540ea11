#include "net/http_request.h"

#include <mutex>

#include "util/text_format.h"

namespace pictavo {
namespace {

std::mutex gAgentMutex;
std::string gUserAgent =
    "Mozilla/5.0 (Windows NT 6.1) AppleWebKit/537.36 (KHTML, like Gecko) "
    "Chrome/91.0.4472.77 Safari/537.36";

std::string headerValue(std::string_view text) {
  std::string value;
  for (unsigned char c : text) {
    if (c >= 0x20 && c != 0x7f) value += static_cast<char>(c);
  }
  return value;
}

}  // namespace

void setUserAgent(std::string_view text) {
  std::lock_guard lock(gAgentMutex);
  gUserAgent = headerValue(text.substr(0, kUserAgentBytes));
}

std::string userAgent() {
  std::lock_guard lock(gAgentMutex);
  return gUserAgent;
}

std::string buildRequestHead(const HttpRequest& request, const ParsedUrl& target) {
  std::string head = request.postBody ? "POST " : "GET ";
  head += target.path;
  head += request.keepAlive ? " HTTP/1.1" : " HTTP/1.0";
  head += "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nUser-Agent: " + userAgent();
  if (target.port == 80 || target.port == 443)
    head += "\r\nHost: " + target.host;
  else
    head += strprintf("\r\nHost: %s:%d", target.host.c_str(), target.port);
  if (!request.referer.empty()) head += "\r\nReferer: " + headerValue(request.referer);
  if (request.postBody) {
    head += "\r\nContent-Type: application/x-www-form-urlencoded";
    head += strprintf("\r\nContent-Length: %zu", request.postBody->size());
  }
  head += request.keepAlive ? "\r\nConnection: keep-alive" : "\r\nConnection: close";
  if (!request.cookie.empty()) head += "\r\nCookie: " + headerValue(request.cookie);
  head += "\r\n\r\n";
  return head;
}

}  // namespace pictavo
