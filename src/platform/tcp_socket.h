// A thin layer over BSD sockets for the HTTP client: IPv4 name resolution, TCP sockets,
// non-blocking connect, time-outs, send and receive. Each call reports failure by its
// return value and the system error code; nothing here knows about HTTP.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pictavo {

using SocketHandle = int;
inline constexpr SocketHandle kNoSocket = -1;

// The first IPv4 address of `host` (network byte order), or false when it does not resolve.
bool resolveIPv4(const std::string& host, uint32_t* address);

// A dotted IPv4 text as an address in network byte order; false when it is not one.
bool parseIPv4(const std::string& text, uint32_t* address);

// A new TCP socket, or kNoSocket.
SocketHandle openTcpSocket();

// Switches blocking mode; returns 0 or the system error code.
int setSocketNonBlocking(SocketHandle socket, bool nonBlocking);

enum class ConnectStart { Connected, InProgress, Failed };

// Starts (or, in blocking mode, makes) the connection to address:port.
ConnectStart startConnect(SocketHandle socket, uint32_t address, uint16_t port, int* errorCode);

// Waits until a connect in progress ends or `timeoutMs` passes. Returns 1 when it ended
// (*connectError then holds 0 or the reason it failed), 0 on time-out, -1 on a wait error
// (*connectError holds the system error code).
int waitForConnect(SocketHandle socket, int timeoutMs, int* connectError);

// Sets the send and receive time-outs; returns 0 or the system error code.
int setSocketTimeouts(SocketHandle socket, int timeoutMs);

// Sends every byte (never raising SIGPIPE); false when the connection fails or times out.
bool sendAll(SocketHandle socket, const char* data, size_t length);

// One receive of at most `capacity` bytes: the count, 0 when the peer closed the
// connection, -1 on failure or time-out (*errorCode holds the system error code).
long receiveSome(SocketHandle socket, char* buffer, size_t capacity, int* errorCode);

void closeSocket(SocketHandle socket);

// The system error code of the last failed call on this thread.
int lastSystemError();

}  // namespace pictavo
