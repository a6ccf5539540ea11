#include "net/response_capture.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "net/http_url.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// The body of a redirect or a refused status is read and dropped (so that a kept connection
// stays usable) up to this size; a longer one ends the connection instead.
constexpr long long kDrainLimit = 65536;
// How much of a refused response its message may quote.
constexpr size_t kStatusQuoteBytes = 768;

bool isClose(const std::string& connection) {
  return connection.size() == 5 && startsWithNoCase(connection, "close");
}

// "HTTP/1.x 1.." answers come before the real one and are skipped.
bool isInterim(std::string_view head) {
  return head.size() > 9 && startsWithNoCase(head, "HTTP/1.") && head[8] == ' ' && head[9] == '1';
}

// The header text without the blank line and the last line end.
std::string withoutLineEnds(std::string_view raw) {
  for (int i = 0; i < 2 && !raw.empty() && raw.back() == '\n'; ++i) {
    raw.remove_suffix(1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
  }
  return std::string(raw);
}

// The last receive as the messages report it: 0 when the peer closed, -1 on a failure.
long lastRet(const TransferEnd& end) { return end.timedOut || end.osError != 0 ? -1 : 0; }
int lastErrno(const TransferEnd& end) { return end.timedOut ? EAGAIN : end.osError; }

}  // namespace

bool ResponseCapture::stop(int kind, std::string message) {
  stopped_ = true;
  stopKind_ = kind;
  stopError_ = std::move(message);
  return false;
}

bool ResponseCapture::headerLine(std::string_view line) {
  if (startsWithNoCase(line, "HTTP/")) {
    raw_.clear();
    complete_ = false;
  }
  raw_.append(line);
  if (raw_.size() > kHttpBufferSize)
    return stop(2, localText("读取 HTTP_BUFFER_SIZE 字节, 还没有读取完整个 HTTP Head."));
  if (line == "\r\n" || line == "\n") return headerEnd();
  return true;
}

bool ResponseCapture::headerEnd() {
  headerText_ = withoutLineEnds(raw_);
  if (isInterim(raw_)) return true;
  complete_ = true;
  parseResponseHeader(rules_.requestUrl, headerText_, &header_);
  status_ = classifyStatus(raw_, header_);
  bool delimited = header_.contentLength >= 0 || header_.isChunked;
  switch (status_) {
    case ResponseStatus::Ok:
      break;
    case ResponseStatus::Redirect:
      // Read the (small) body only when the connection may carry another request.
      if (!rules_.keepAlive || header_.connection.empty() || isClose(header_.connection) ||
          !delimited) {
        stopped_ = true;
        return false;
      }
      return true;
    default:
      statusBytes_ = raw_.substr(0, kStatusQuoteBytes);
      if (delimited) return true;
      stopped_ = true;
      return false;
  }
  if (!header_.contentEncoding.empty())
    return stop(2, localFormat("暂不支持处理 header.contentEncoding:%s", header_.contentEncoding.c_str()));
  if (header_.contentLength > rules_.bodyLimit) {
    return stop(2, rules_.download
                       ? localFormat("header.contentLength: %lld, >允许的最大值: %lld",
                                   header_.contentLength, rules_.bodyLimit)
                       : localFormat("header.contentLength: %lld, 大于10M",
                                   header_.contentLength));
  }
  sink_.expect(header_.contentLength);
  return true;
}

bool ResponseCapture::keepStatusBytes(const char* data, size_t length) {
  dropped_ += static_cast<long long>(length);
  if (statusBytes_.size() < kStatusQuoteBytes && status_ != ResponseStatus::Redirect)
    statusBytes_.append(data, std::min(length, kStatusQuoteBytes - statusBytes_.size()));
  bool quoteFull = statusBytes_.size() >= kStatusQuoteBytes || status_ != ResponseStatus::Other;
  if (dropped_ > kDrainLimit || (!rules_.keepAlive && quoteFull)) {
    stopped_ = true;
    return false;
  }
  return true;
}

bool ResponseCapture::body(const char* data, size_t length) {
  if (!complete_ || status_ != ResponseStatus::Ok) return keepStatusBytes(data, length);
  long long next = delivered_ + static_cast<long long>(length);
  if (next > rules_.bodyLimit) {
    if (header_.isChunked && header_.contentLength < 0)
      return stop(2,
                  localFormat("chunk 数据总大小超过10M: readTotal:%lld, chunksize:%zu",
                            delivered_, length));
    return stop(2, localFormat("header.contentLength: %lld, readTotal:%lld > 10M",
                             header_.contentLength, next));
  }
  if (!sink_.write(data, length)) return stop(4, "fwrite() fail");
  delivered_ = next;
  return true;
}

std::string ResponseCapture::statusMessage() const {
  std::string received = statusBytes_.substr(0, kStatusQuoteBytes);
  received.resize(std::min<size_t>(std::strlen(received.c_str()), 512));
  return localFormat("返回错误的http状态码:\n%s", received.c_str());
}

// Success rules: with keep-alive the body must be exactly delimited (a length or the last
// chunk); without it, the length must match or, with none, at least one byte must arrive.
CaptureOutcome ResponseCapture::bodyOutcome(const TransferEnd& end) const {
  CaptureOutcome out;
  out.length = delivered_;
  const ResponseHeader& h = header_;
  bool delimited = h.contentLength >= 0 || h.isChunked;
  bool ok = rules_.keepAlive ? delimited && end.complete
                             : end.complete && (h.contentLength >= 0 || delivered_ > 0);
  if (ok) {
    out.kind = CaptureOutcome::Kind::Body;
    return out;
  }
  out.errorKind = 2;
  int chunkDone = h.isChunked && end.complete ? 1 : 0;
  if (h.isChunked && h.contentLength < 0 && !end.complete) {
    out.error = strprintf(
        localText("读取失败3: body大小:未定义, 实际接收到的body大小:%lld, ret:%ld, errno:%d").c_str(),
        delivered_, lastRet(end), lastErrno(end));
  } else if (rules_.keepAlive && h.contentLength >= 0) {
    out.error = strprintf(
        "(fileSize:%lld, readTotal:%lld), (header.isChunked:%d, isChunkReceiveCompleted:%d)",
        h.contentLength, delivered_, h.isChunked ? 1 : 0, chunkDone);
  } else if (rules_.keepAlive) {
    out.error = strprintf(localText("(fileSize:未定义, readTotal:%lld), (header.isChunked:%d, "
                              "isChunkReceiveCompleted:%d)")
                              .c_str(),
                          delivered_, h.isChunked ? 1 : 0, chunkDone);
  } else {
    out.error =
        localFormat("文件大小:%lld, 实际接收到的文件大小:%lld, ret:%ld, errno:%d",
                  h.contentLength, delivered_, lastRet(end), lastErrno(end));
  }
  return out;
}

CaptureOutcome ResponseCapture::finish(const TransferEnd& end) const {
  CaptureOutcome out;
  out.length = delivered_;
  out.errorKind = 2;
  if (stopKind_ != 0) {
    out.errorKind = stopKind_;
    out.error = stopError_;
    return out;
  }
  if (!complete_ && end.headerTooLong) {
    out.error = localText("读取 HTTP_BUFFER_SIZE 字节, 还没有读取完整个 HTTP Head.");
    return out;
  }
  if (!complete_) {
    out.error = localFormat("读取 HTTP Head 失败: 已接收:%zu, ret:%ld, errno:%d",
                          raw_.size(), lastRet(end), lastErrno(end));
    return out;
  }
  switch (status_) {
    case ResponseStatus::Ok:
      return bodyOutcome(end);
    case ResponseStatus::Redirect:
      out.kind = CaptureOutcome::Kind::Redirect;
      out.errorKind = 0;
      out.location = header_.location;
      return out;
    case ResponseStatus::NotFound:
      out.error = localText("404 Not Found - 文件不存在");
      return out;
    default:
      out.error = statusMessage();
      return out;
  }
}

}  // namespace pictavo
