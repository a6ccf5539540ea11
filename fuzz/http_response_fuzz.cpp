// Fuzzes the HTTP response reader: any bytes from the server, delivered in pieces of any
// size. The first input byte chooses the piece size (low six bits), keep-alive (bit 6) and
// the download variant (bit 7); the rest is what the server sends before it closes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "net/http_url.h"
#include "net/response_reader.h"

namespace {

class PieceSource : public pictavo::ByteSource {
 public:
  PieceSource(const uint8_t* data, size_t size, size_t piece)
      : data_(data), size_(size), piece_(piece) {}
  long receive(char* buffer, size_t capacity, int* errorCode) override {
    *errorCode = 0;
    size_t n = std::min({piece_, capacity, size_ - at_});
    std::memcpy(buffer, data_ + at_, n);
    at_ += n;
    return static_cast<long>(n);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t piece_;
  size_t at_ = 0;
};

// Counts what the reader hands over; a body beyond the limit is a bug.
class CountingSink : public pictavo::BodySink {
 public:
  explicit CountingSink(long long limit) : limit_(limit) {}
  bool write(const char*, size_t length) override {
    total += static_cast<long long>(length);
    if (total > limit_) std::abort();
    return true;
  }
  long long total = 0;

 private:
  long long limit_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  uint8_t control = data[0];
  pictavo::ResponseRules rules;
  rules.requestUrl = "http://fuzz.example/dir/page?q=1";
  rules.keepAlive = (control & 0x40) != 0;
  rules.download = (control & 0x80) != 0;
  rules.bodyLimit = 1 << 16;  // small, so that the limits are reached quickly
  PieceSource source(data + 1, size - 1, static_cast<size_t>(control & 0x3f) + 1);
  CountingSink sink(rules.bodyLimit);
  pictavo::ResponseOutcome out = pictavo::readResponse(source, rules, sink);
  if (out.kind == pictavo::ResponseOutcome::Kind::Body && out.length != sink.total) std::abort();
  if (out.kind == pictavo::ResponseOutcome::Kind::Redirect) {
    pictavo::ParsedUrl url;
    pictavo::parseUrl(out.header.location, &url);
  }
  return 0;
}
