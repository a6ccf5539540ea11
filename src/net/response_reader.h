// Reading one HTTP response from a byte source: the header (with the 8192-byte limit and
// "100 Continue" skipped), the status, and a body delimited by Content-Length, chunks or
// the end of the connection, bounded by the body limit. Pure over its source and sink: the
// client feeds it a socket, tests and the fuzz target feed it buffers.
#pragma once

#include <string>

#include "net/http_header.h"
#include "net/http_stream.h"

namespace pictavo {

struct ResponseRules {
  std::string requestUrl;  // for relative redirect targets
  bool keepAlive = false;  // the request asked to keep the connection
  long long bodyLimit = kHttpBodyLimit;
  bool download = false;  // the over-limit message of a download
};

struct ResponseOutcome {
  enum class Kind { Body, Redirect, Failed };
  Kind kind = Kind::Failed;
  int errorKind = 0;       // when failed: 2 protocol, 4 write
  std::string error;       // GBK
  std::string headerText;  // status line to the blank line (exclusive)
  ResponseHeader header;
  long long length = 0;   // body bytes handed to the sink
  bool reusable = false;  // the connection may carry another request
};

ResponseOutcome readResponse(ByteSource& source, const ResponseRules& rules, BodySink& sink);

}  // namespace pictavo
