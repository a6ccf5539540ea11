// The keep-alive pool: idle connections kept per "host:port" and handed out most recently
// returned first. One lock guards the map; connecting happens outside it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/tcp_socket.h"

namespace pictavo {

// Creates the pool; called once at start-up before any request (calling it again is harmless).
void socket_pool_init();

// An idle pooled socket for host:port, else a new connection (connectTcp). A first request
// for a key creates its entry, so the socket can be handed back afterwards.
SocketHandle acquirePooledSocket(const std::string& host, uint16_t port, std::string* error);

// Hands an idle socket back. A socket whose key has no entry (or with no pool) is closed.
void releasePooledSocket(const std::string& host, uint16_t port, SocketHandle socket);

// Closes every idle socket (at exit, and between tests).
void closePooledSockets();

// Number of idle sockets kept for host:port.
int pooledSocketCount(const std::string& host, uint16_t port);

}  // namespace pictavo
