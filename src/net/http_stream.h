// Where the response reader gets its bytes and where it puts the body. The client binds
// them to a socket and to memory or a file; tests and the fuzz target bind them to buffers.
#pragma once

#include <cstddef>

namespace pictavo {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // At most `capacity` bytes: the count, 0 when the peer closed, -1 on failure or time-out
  // (*errorCode then holds the system error code).
  virtual long receive(char* buffer, size_t capacity, int* errorCode) = 0;
};

class BodySink {
 public:
  virtual ~BodySink() = default;
  // The body's announced length (-1 when unknown), before any data.
  virtual void expect(long long length) { (void)length; }
  // False when the bytes cannot be stored (a failed file write).
  virtual bool write(const char* data, size_t length) = 0;
};

// Takes and drops everything (the body of a redirect on a connection that is kept).
class DiscardingSink : public BodySink {
 public:
  bool write(const char*, size_t) override { return true; }
};

}  // namespace pictavo
