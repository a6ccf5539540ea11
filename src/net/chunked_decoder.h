// Decoder of a chunked body: chunk-size lines (an optional "0x", blanks, hex digits,
// extensions ignored), the data of each chunk, the CRLF after it, and the trailer up to its
// empty line. It is fed bytes in pieces of any size and hands the data to a BodySink, so the
// body never exists twice. The sum of the chunk sizes is bounded by a limit.
#pragma once

#include <cstddef>
#include <string>

#include "net/http_stream.h"

namespace pictavo {

class ChunkedDecoder {
 public:
  enum class State { SizeLine, Data, DataEnd, Trailer, Done, Failed };

  explicit ChunkedDecoder(long long limit) : limit_(limit) {}

  // Consumes bytes until they run out, the body ends (Done) or it fails (Failed); returns
  // how many were consumed. Bytes after the end are left for the caller.
  size_t feed(const char* data, size_t length, BodySink& sink);

  State state() const { return state_; }
  bool done() const { return state_ == State::Done; }
  bool failed() const { return state_ == State::Failed; }
  bool sinkFailed() const { return sinkFailed_; }
  const std::string& error() const { return error_; }  // GBK, when failed

  long long announced() const { return announced_; }    // sum of the chunk sizes so far
  long long received() const { return received_; }      // data bytes handed to the sink
  size_t pendingBytes() const { return line_.size(); }  // part of a line not yet complete

 private:
  size_t takeLine(const char* data, size_t length);
  void lineComplete();
  void startChunk(const std::string& line);
  size_t takeData(const char* data, size_t length, BodySink& sink);
  size_t takeDataEnd(const char* data, size_t length);
  void fail(std::string message);

  long long limit_;
  State state_ = State::SizeLine;
  std::string line_;         // the line being collected, without its CRLF
  long long chunkLeft_ = 0;  // data bytes still due in the current chunk
  size_t dataEndSeen_ = 0;   // bytes of the CRLF after the data already seen
  size_t trailerBytes_ = 0;  // bytes of trailer lines so far
  long long announced_ = 0;
  long long received_ = 0;
  bool sinkFailed_ = false;
  std::string error_;
};

// The size on a chunk-size line: after an optional "0x", blanks, then hex digits up to the
// first other character; no digits reads as 0. Returns -1 when the value does not fit in
// 31 bits (*wrapped receives the 32-bit value an int would hold).
long long chunkSizeOf(const std::string& line, int* wrapped);

}  // namespace pictavo
