#include "net/http_header.h"

#include <cctype>
#include <climits>

#include "net/http_url.h"

namespace pictavo {
namespace {

std::string_view trimmedEnd(std::string_view value) {
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  return value;
}

std::string cut(std::string_view value, size_t bytes) {
  return std::string(value.substr(0, bytes));
}

// The value like atoi reads it, saturated instead of overflowing.
long long numberOf(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value < LLONG_MAX / 16) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithNoCase(a, b);
}

void takeContentType(std::string_view value, ResponseHeader* out) {
  out->contentType = cut(value.substr(0, value.find(';')), kContentTypeBytes);
  for (size_t i = 0; i + 8 <= value.size(); ++i) {
    if (startsWithNoCase(value.substr(i), "charset=")) {
      out->charset = cut(value.substr(i + 8), kCharsetBytes);
      break;
    }
  }
}

void takeLine(std::string_view requestUrl, std::string_view line, ResponseHeader* out) {
  auto valueAfter = [&](std::string_view name) { return trimmedEnd(line.substr(name.size())); };
  if (startsWithNoCase(line, "Content-Length: ")) {
    out->contentLength = numberOf(valueAfter("Content-Length: "));
  } else if (equalsNoCase(trimmedEnd(line), "Transfer-Encoding: chunked")) {
    out->isChunked = true;
  } else if (startsWithNoCase(line, "Location: ")) {
    out->location = cut(absoluteLocation(requestUrl, valueAfter("Location: ")), kLocationBytes);
  } else if (startsWithNoCase(line, "Connection: ")) {
    out->connection = cut(valueAfter("Connection: "), kConnectionBytes);
  } else if (startsWithNoCase(line, "Content-Encoding: ")) {
    out->contentEncoding = cut(valueAfter("Content-Encoding: "), kContentEncodingBytes);
  } else if (startsWithNoCase(line, "Content-Type: ")) {
    takeContentType(valueAfter("Content-Type: "), out);
  }
}

}  // namespace

void parseResponseHeader(std::string_view requestUrl, std::string_view headerText,
                         ResponseHeader* out) {
  *out = ResponseHeader();
  while (!headerText.empty()) {
    size_t end = headerText.find("\r\n");
    std::string_view line = headerText.substr(0, end);
    takeLine(requestUrl, line, out);
    if (end == std::string_view::npos) break;
    headerText.remove_prefix(end + 2);
  }
}

ResponseStatus classifyStatus(std::string_view received, const ResponseHeader& header) {
  auto is = [&](const char* code) {
    return startsWithNoCase(received, std::string("HTTP/1.1 ") + code) ||
           startsWithNoCase(received, std::string("HTTP/1.0 ") + code);
  };
  if (startsWithNoCase(received, "HTTP/1.1 100 Continue")) return ResponseStatus::Continue;
  if (is("200")) return ResponseStatus::Ok;
  if ((is("301") || is("302")) && !header.location.empty()) return ResponseStatus::Redirect;
  if (is("404")) return ResponseStatus::NotFound;
  return ResponseStatus::Other;
}

}  // namespace pictavo
