// The messages of failures libcurl reports before a response arrived: name resolution,
// connecting, the TLS handshake and certificate checks, sending the request.
#pragma once

#include <curl/curl.h>

#include <optional>
#include <string>

namespace pictavo {

struct ConnectionState {
  bool tcpConnected = false;
  bool tlsDone = false;  // the handshake finished (or no TLS was wanted)
};

// The GBK message of a connection failure, or nothing when `code` is no such failure (the
// response's own messages then apply). `detail` is libcurl's text of the failure.
std::optional<std::string> connectionFailure(CURLcode code, const std::string& host,
                                             const ConnectionState& state, long osError,
                                             const std::string& detail);

}  // namespace pictavo
