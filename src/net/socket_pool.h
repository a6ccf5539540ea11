// The keep-alive pool: one libcurl connection cache shared by every keep-alive request of
// the process, so that requests to the same host and port reuse an idle connection (and
// HTTPS requests their TLS session) instead of opening a new one. Requests without
// keep-alive never use it. A connection the server has closed is noticed and replaced.
#pragma once

#include <curl/curl.h>

#include <memory>

namespace pictavo {

// Creates the pool; called once at start-up before any request (calling it again is harmless).
void socket_pool_init();

// Closes every idle connection (at exit, and between tests). Requests still running keep
// the connections they use until they end.
void closePooledSockets();

// The shared cache for one request, kept alive while the request holds it; null when the
// pool was never created (the request then runs on connections of its own).
std::shared_ptr<CURLSH> leasePooledConnections();

}  // namespace pictavo
