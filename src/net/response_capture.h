// What the client takes from one response while libcurl reads it: the header lines (with
// the 8192-byte limit and interim "1xx" answers skipped), the status and its rules, and the
// body handed to a sink within the body limit. When the transfer has ended, `finish` applies
// the completion rules and words the failure. It knows nothing of sockets, so tests and the
// fuzz target feed it lines and pieces directly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "net/body_targets.h"
#include "net/http_header.h"

namespace pictavo {

struct CaptureRules {
  std::string requestUrl;  // for relative redirect targets
  bool keepAlive = false;  // the request asked to keep the connection
  long long bodyLimit = kHttpBodyLimit;
  bool download = false;  // the over-limit message of a download
};

// How the transfer ended, as far as the connection goes.
struct TransferEnd {
  bool complete = false;       // libcurl read the whole response as delimited
  bool timedOut = false;       // the connection stayed silent too long
  int osError = 0;             // the system error of a failed receive, when there was one
  bool headerTooLong = false;  // a header line longer than libcurl takes
};

struct CaptureOutcome {
  enum class Kind { Body, Redirect, Failed };
  Kind kind = Kind::Failed;
  int errorKind = 0;  // when failed: 2 protocol, 4 write
  std::string error;  // GBK
  std::string location;
  long long length = 0;  // body bytes handed to the sink
};

class ResponseCapture {
 public:
  ResponseCapture(CaptureRules rules, BodySink& sink) : rules_(std::move(rules)), sink_(sink) {}

  // One header line as received, with its line end; false stops the transfer.
  bool headerLine(std::string_view line);
  // A piece of the (decoded) body; false stops the transfer.
  bool body(const char* data, size_t length);

  bool headerComplete() const { return complete_; }
  const std::string& headerText() const { return headerText_; }
  size_t headerBytes() const { return raw_.size(); }
  // Set when a rule of ours stopped the transfer (not a failure for a redirect).
  bool stopped() const { return stopped_; }

  CaptureOutcome finish(const TransferEnd& end) const;

 private:
  bool headerEnd();
  bool stop(int kind, std::string message);
  bool keepStatusBytes(const char* data, size_t length);
  std::string statusMessage() const;
  CaptureOutcome bodyOutcome(const TransferEnd& end) const;

  CaptureRules rules_;
  BodySink& sink_;
  std::string raw_;  // the current response's header lines as received
  std::string headerText_;
  ResponseHeader header_;
  ResponseStatus status_ = ResponseStatus::Other;
  bool complete_ = false;
  bool stopped_ = false;
  int stopKind_ = 0;
  std::string stopError_;
  std::string statusBytes_;  // header and first body bytes of a refused status
  long long delivered_ = 0;
  long long dropped_ = 0;
};

}  // namespace pictavo
