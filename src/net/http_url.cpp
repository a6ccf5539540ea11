#include "net/http_url.h"

#include <curl/curl.h>

#include <cctype>
#include <cstdlib>
#include <memory>

namespace pictavo {
namespace {

bool usableInRequestLine(std::string_view url) {
  for (unsigned char c : url) {
    if (c <= 0x20 || c == 0x7f) return false;
  }
  return true;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Index of the first "/" at or after position 8 (past "https://"), or npos.
size_t slashAfterScheme(std::string_view url) {
  return url.size() > 8 ? url.find('/', 8) : std::string_view::npos;
}

}  // namespace

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

namespace {

std::optional<std::string> urlPart(CURLU* url, CURLUPart part, unsigned flags = 0) {
  char* text = nullptr;
  if (curl_url_get(url, part, &text, flags) != CURLUE_OK) return std::nullopt;
  std::string value(text);
  curl_free(text);
  return value;
}

}  // namespace

std::optional<RequestTarget> requestTarget(std::string_view url) {
  if (!(startsWithNoCase(url, "http") || startsWithNoCase(url, "//"))) return std::nullopt;
  if (!usableInRequestLine(url)) return std::nullopt;
  std::string text = url[0] == '/' ? "http:" + std::string(url) : std::string(url);
  std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> parsed(curl_url(), curl_url_cleanup);
  if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, text.c_str(), 0) != CURLUE_OK)
    return std::nullopt;
  auto scheme = urlPart(parsed.get(), CURLUPART_SCHEME);
  auto host = urlPart(parsed.get(), CURLUPART_HOST);
  auto port = urlPart(parsed.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT);
  auto whole = urlPart(parsed.get(), CURLUPART_URL);
  if (!scheme || (*scheme != "http" && *scheme != "https") || !host || host->empty() || !port ||
      !whole)
    return std::nullopt;
  RequestTarget target;
  target.port = std::atoi(port->c_str());
  if (target.port < 1 || target.port > 65535) return std::nullopt;
  target.url = *whole;
  target.host = *host;
  target.secure = *scheme == "https";
  return target;
}

std::string urlEncode(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size() * 3);
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_') {
      encoded += static_cast<char>(c);
    } else if (c == ' ') {
      encoded += '+';
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 15];
    }
  }
  return encoded;
}

size_t urlDecode(char* buffer, size_t length) {
  size_t out = 0;
  for (size_t i = 0; i < length; ++i) {
    char c = buffer[i];
    if (c == '+') {
      buffer[out++] = ' ';
    } else if (c == '%' && i + 2 < length && hexValue(buffer[i + 1]) >= 0 &&
               hexValue(buffer[i + 2]) >= 0) {
      buffer[out++] = static_cast<char>(hexValue(buffer[i + 1]) * 16 + hexValue(buffer[i + 2]));
      i += 2;
    } else {
      buffer[out++] = c;
    }
  }
  return out;
}

std::string urlFileExtension(std::string_view url, size_t maxLength) {
  size_t end = url.find('?');
  if (end == std::string_view::npos) end = url.find('#');
  url = url.substr(0, end);
  size_t slash = url.rfind('/');
  if (slash == std::string_view::npos) return "";
  std::string_view segment = url.substr(slash + 1);
  size_t dot = segment.rfind('.');
  if (dot == std::string_view::npos) return "";
  return std::string(segment.substr(dot + 1, maxLength));
}

std::string absoluteLocation(std::string_view requestUrl, std::string_view location) {
  if (startsWithNoCase(location, "http:") || startsWithNoCase(location, "https:"))
    return std::string(location);
  size_t slash = slashAfterScheme(requestUrl);
  if (!location.empty() && location[0] == '/') {
    std::string_view origin = requestUrl.substr(0, slash);
    return std::string(origin) + std::string(location);
  }
  if (slash == std::string_view::npos) {
    bool endsWithSlash = !requestUrl.empty() && requestUrl.back() == '/';
    return std::string(requestUrl) + (endsWithSlash ? "" : "/") + std::string(location);
  }
  size_t lastSlash = requestUrl.rfind('/');
  return std::string(requestUrl.substr(0, lastSlash + 1)) + std::string(location);
}

}  // namespace pictavo
