// Fuzzes what the client reads from a response itself (libcurl does the framing): the header
// lines with their limit and fields, the status rules, the body limit, and the completion
// messages. The first input byte chooses the body piece size (low five bits), keep-alive
// (bit 5), the download variant (bit 6) and whether the transfer ended complete (bit 7); the
// rest is the response, delivered as libcurl delivers it: whole header lines up to the blank
// line, then the body in pieces.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/http_url.h"
#include "net/response_capture.h"

namespace {

// Counts what the capture hands over; a body beyond the limit is a bug.
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

// Feeds the header lines; returns where the body starts, or npos when the capture stopped.
size_t feedHeader(pictavo::ResponseCapture& capture, std::string_view response) {
  size_t at = 0;
  while (at < response.size()) {
    size_t end = response.find('\n', at);
    if (end == std::string_view::npos) return response.size();  // an unfinished line
    std::string_view line = response.substr(at, end + 1 - at);
    at = end + 1;
    if (!capture.headerLine(line)) return std::string_view::npos;
    if (capture.headerComplete()) return at;
  }
  return at;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  uint8_t control = data[0];
  pictavo::CaptureRules rules;
  rules.requestUrl = "http://fuzz.example/dir/page?q=1";
  rules.keepAlive = (control & 0x20) != 0;
  rules.download = (control & 0x40) != 0;
  rules.bodyLimit = 1 << 16;  // small, so that the limit is reached quickly
  CountingSink sink(rules.bodyLimit);
  pictavo::ResponseCapture capture(rules, sink);
  std::string_view response(reinterpret_cast<const char*>(data + 1), size - 1);
  size_t body = feedHeader(capture, response);
  size_t piece = static_cast<size_t>(control & 0x1f) + 1;
  while (body < response.size()) {
    size_t n = std::min(piece, response.size() - body);
    if (!capture.body(response.data() + body, n)) break;
    body += n;
  }
  pictavo::TransferEnd end;
  end.complete = (control & 0x80) != 0;
  pictavo::CaptureOutcome out = capture.finish(end);
  if (out.length != sink.total) std::abort();
  if (out.kind == pictavo::CaptureOutcome::Kind::Redirect) pictavo::requestTarget(out.location);
  return 0;
}
