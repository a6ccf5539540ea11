// Opening TCP connections for the HTTP client: name resolution with the vendor-domain
// fallback address, a non-blocking connect bounded by a time-out, and send and receive
// time-outs on the connected socket.
#pragma once

#include <cstdint>
#include <string>

#include "platform/tcp_socket.h"

namespace pictavo {

struct NetTimeouts {
  int connectMs = 10000;  // the longest a connect may take
  int ioMs = 10000;       // the longest any one send or receive may wait
};

NetTimeouts netTimeouts();
// Tests shorten the time-outs; the program keeps the defaults.
void setNetTimeouts(const NetTimeouts& timeouts);

// A connected socket with its time-outs set, or kNoSocket with the reason in *error (GBK).
// *error may also receive a note on success (the blocking-mode fallback).
SocketHandle connectTcp(const std::string& host, uint16_t port, std::string* error);

}  // namespace pictavo
