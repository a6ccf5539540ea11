// The response header: the limits of the HTTP client, the fields it takes from the header
// lines and the class of the status line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pictavo {

inline constexpr size_t kHttpBufferSize = 8192;        // receive buffer and largest header
inline constexpr long long kHttpBodyLimit = 10485760;  // 10 MB
inline constexpr int kHttpRedirectLimit = 8;

// Field widths the rest of the program relies on (bytes, without a terminator).
inline constexpr size_t kLocationBytes = 511;
inline constexpr size_t kConnectionBytes = 15;
inline constexpr size_t kContentEncodingBytes = 31;
inline constexpr size_t kContentTypeBytes = 127;
inline constexpr size_t kCharsetBytes = 15;

struct ResponseHeader {
  long long contentLength = -1;  // -1 when absent
  bool isChunked = false;
  std::string location;  // made absolute against the request address
  std::string connection;
  std::string contentEncoding;
  std::string contentType;  // up to ";"
  std::string charset;      // after "charset=" in the Content-Type line
};

// Reads the header lines (from the status line to the blank line) with case-insensitive
// name tests; values are cut to their field widths.
void parseResponseHeader(std::string_view requestUrl, std::string_view headerText,
                         ResponseHeader* out);

enum class ResponseStatus { Ok, Redirect, NotFound, Continue, Other };

// The class of a response from the start of its text. A 301 or 302 without a location
// is Other.
ResponseStatus classifyStatus(std::string_view received, const ResponseHeader& header);

}  // namespace pictavo
