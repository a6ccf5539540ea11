#include "net/response_reader.h"

#include <algorithm>
#include <cstring>

#include "net/chunked_decoder.h"
#include "net/http_url.h"
#include "util/charset.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

// A redirect's body is read and dropped (so its connection can be kept) up to this size.
constexpr long long kRedirectDrainLimit = 65536;

struct BodyRead {
  bool complete = false;  // the whole body arrived
  bool surplus = false;   // bytes followed the body on the connection
  int errorKind = 0;      // set when reading stopped on an error of its own
  std::string error;
  long long total = 0;
};

bool isClose(const std::string& connection) {
  return connection.size() == 5 && startsWithNoCase(connection, "close");
}

class ResponseReader {
 public:
  ResponseReader(ByteSource& source, const ResponseRules& rules) : source_(source), rules_(rules) {}

  ResponseOutcome read(BodySink& sink);

 private:
  bool readHead(ResponseOutcome* out);
  long receive(char* into, size_t capacity);
  void readBody(const ResponseHeader& header, long long limit, BodySink& sink, BodyRead* body);
  void readSized(long long length, long long limit, BodySink& sink, BodyRead* body);
  void readChunked(long long limit, BodySink& sink, BodyRead* body);
  void readUntilClose(long long limit, BodySink& sink, BodyRead* body);
  bool deliver(BodySink& sink, const char* data, size_t length, BodyRead* body);
  void completeBody(const ResponseHeader& header, const BodyRead& body, ResponseOutcome* out);
  void finishRedirect(ResponseOutcome* out);
  std::string statusMessage() const;

  ByteSource& source_;
  const ResponseRules& rules_;
  char buffer_[kHttpBufferSize];
  size_t size_ = 0;       // bytes in the buffer
  size_t bodyStart_ = 0;  // where the body begins in the buffer
  long lastRet_ = 0;
  int lastErrno_ = 0;
  bool chunkDone_ = false;
};

long ResponseReader::receive(char* into, size_t capacity) {
  lastErrno_ = 0;
  lastRet_ = source_.receive(into, capacity, &lastErrno_);
  return lastRet_;
}

bool ResponseReader::readHead(ResponseOutcome* out) {
  size_t searched = 0;
  for (;;) {
    std::string_view received(buffer_, size_);
    size_t end = received.find("\r\n\r\n", searched > 3 ? searched - 3 : 0);
    if (end != std::string_view::npos) {
      out->headerText.assign(buffer_, end);
      parseResponseHeader(rules_.requestUrl, out->headerText, &out->header);
      bodyStart_ = end + 4;
      if (classifyStatus(received, out->header) != ResponseStatus::Continue) return true;
      std::memmove(buffer_, buffer_ + bodyStart_, size_ - bodyStart_);
      size_ -= bodyStart_;
      searched = 0;
      continue;
    }
    searched = size_;
    if (size_ == kHttpBufferSize) {
      out->error = gbk("读取 HTTP_BUFFER_SIZE 字节, 还没有读取完整个 HTTP Head.");
      return false;
    }
    if (receive(buffer_ + size_, kHttpBufferSize - size_) <= 0) {
      out->error = strprintf(gbk("读取 HTTP Head 失败: 已接收:%zu, ret:%ld, errno:%d").c_str(),
                             size_, lastRet_, lastErrno_);
      return false;
    }
    size_ += static_cast<size_t>(lastRet_);
  }
}

std::string ResponseReader::statusMessage() const {
  std::string received(buffer_, std::min<size_t>(size_, 768));
  received.resize(std::min<size_t>(std::strlen(received.c_str()), 512));
  return gbk("返回错误的http状态码:\n") + received;
}

bool ResponseReader::deliver(BodySink& sink, const char* data, size_t length, BodyRead* body) {
  if (length == 0) return true;
  if (!sink.write(data, length)) {
    body->errorKind = 4;
    body->error = "fwrite() fail";
    return false;
  }
  body->total += static_cast<long long>(length);
  return true;
}

void ResponseReader::readSized(long long length, long long limit, BodySink& sink, BodyRead* body) {
  if (length > limit) {
    body->errorKind = 2;
    body->error = rules_.download
                      ? strprintf(gbk("header.contentLength: %lld, >允许的最大值: %lld").c_str(),
                                  length, limit)
                      : strprintf(gbk("header.contentLength: %lld, 大于10M").c_str(), length);
    return;
  }
  sink.expect(length);
  size_t buffered = size_ - bodyStart_;
  size_t first = static_cast<size_t>(std::min<long long>(length, static_cast<long long>(buffered)));
  body->surplus = buffered > first;
  if (!deliver(sink, buffer_ + bodyStart_, first, body)) return;
  while (body->total < length) {
    size_t want = static_cast<size_t>(
        std::min<long long>(length - body->total, static_cast<long long>(kHttpBufferSize)));
    if (receive(buffer_, want) <= 0) break;
    if (!deliver(sink, buffer_, static_cast<size_t>(lastRet_), body)) return;
  }
  body->complete = body->total == length;
}

void ResponseReader::readChunked(long long limit, BodySink& sink, BodyRead* body) {
  sink.expect(-1);
  ChunkedDecoder decoder(limit);
  size_t available = size_ - bodyStart_;
  size_t used = decoder.feed(buffer_ + bodyStart_, available, sink);
  while (!decoder.done() && !decoder.failed()) {
    if (receive(buffer_, kHttpBufferSize) <= 0) break;
    available = static_cast<size_t>(lastRet_);
    used = decoder.feed(buffer_, available, sink);
  }
  body->total = decoder.received();
  if (decoder.failed()) {
    body->errorKind = decoder.sinkFailed() ? 4 : 2;
    body->error = decoder.error();
  } else if (!decoder.done()) {
    body->errorKind = 2;
    if (decoder.state() == ChunkedDecoder::State::Trailer) {
      body->error = strprintf(
          gbk("读取chunk最后的结束符时出错: syCount:%zu, bufferSize:%zu, ret:%ld, errno:%d")
              .c_str(),
          decoder.pendingBytes(), kHttpBufferSize, lastRet_, lastErrno_);
    } else {
      body->error = strprintf(
          gbk("读取失败3: body大小:%lld, 实际接收到的body大小:%lld, ret:%ld, errno:%d").c_str(),
          decoder.announced(), decoder.received(), lastRet_, lastErrno_);
    }
  } else {
    body->complete = true;
    body->surplus = used < available;
    chunkDone_ = true;
  }
}

void ResponseReader::readUntilClose(long long limit, BodySink& sink, BodyRead* body) {
  sink.expect(-1);
  size_t buffered = size_ - bodyStart_;
  long long next = static_cast<long long>(buffered);
  const char* data = buffer_ + bodyStart_;
  for (;;) {
    if (body->total + next > limit) {
      body->errorKind = 2;
      body->error = strprintf(gbk("header.contentLength: %d, readTotal:%lld > 10M").c_str(), -1,
                              body->total + next);
      return;
    }
    if (!deliver(sink, data, static_cast<size_t>(next), body)) return;
    if (receive(buffer_, kHttpBufferSize) <= 0) break;
    data = buffer_;
    next = lastRet_;
  }
  // Only the peer closing ends such a body; a failed receive leaves it cut short.
  body->complete = lastRet_ == 0;
}

void ResponseReader::readBody(const ResponseHeader& header, long long limit, BodySink& sink,
                              BodyRead* body) {
  if (header.contentLength >= 0)
    readSized(header.contentLength, limit, sink, body);
  else if (header.isChunked)
    readChunked(limit, sink, body);
  else
    readUntilClose(limit, sink, body);
}

// Success rules: with keep-alive the body must be exactly delimited (a length or the last
// chunk); without it, the length must match or, with none, at least one byte must arrive.
void ResponseReader::completeBody(const ResponseHeader& header, const BodyRead& body,
                                  ResponseOutcome* out) {
  out->length = body.total;
  if (body.errorKind != 0) {
    out->errorKind = body.errorKind;
    out->error = body.error;
    return;
  }
  bool delimited = header.contentLength >= 0 || header.isChunked;
  bool ok = rules_.keepAlive ? delimited && body.complete
                             : body.complete && (header.contentLength >= 0 || body.total > 0);
  if (ok) {
    out->kind = ResponseOutcome::Kind::Body;
    out->reusable = rules_.keepAlive && !body.surplus && !isClose(header.connection);
    return;
  }
  out->errorKind = 2;
  if (rules_.keepAlive && header.contentLength >= 0) {
    out->error = strprintf(
        "(fileSize:%lld, readTotal:%lld), (header.isChunked:%d, "
        "isChunkReceiveCompleted:%d)",
        header.contentLength, body.total, header.isChunked ? 1 : 0, chunkDone_ ? 1 : 0);
  } else if (rules_.keepAlive) {
    out->error = strprintf(gbk("(fileSize:未定义, readTotal:%lld), (header.isChunked:%d, "
                               "isChunkReceiveCompleted:%d)")
                               .c_str(),
                           body.total, header.isChunked ? 1 : 0, chunkDone_ ? 1 : 0);
  } else {
    out->error =
        strprintf(gbk("文件大小:%lld, 实际接收到的文件大小:%lld, ret:%ld, errno:%d").c_str(),
                  header.contentLength, body.total, lastRet_, lastErrno_);
  }
}

// A redirect on a connection the server keeps open: drop its (small, delimited) body so
// the connection can go back to the pool; anything else closes it.
void ResponseReader::finishRedirect(ResponseOutcome* out) {
  out->kind = ResponseOutcome::Kind::Redirect;
  const ResponseHeader& header = out->header;
  if (!rules_.keepAlive || header.connection.empty() || isClose(header.connection)) return;
  if (header.contentLength < 0 && !header.isChunked) return;
  DiscardingSink drop;
  BodyRead body;
  readBody(header, kRedirectDrainLimit, drop, &body);
  out->reusable = body.errorKind == 0 && body.complete && !body.surplus;
}

ResponseOutcome ResponseReader::read(BodySink& sink) {
  ResponseOutcome out;
  out.errorKind = 2;
  if (!readHead(&out)) return out;
  std::string_view received(buffer_, size_);
  switch (classifyStatus(received, out.header)) {
    case ResponseStatus::Ok:
      break;
    case ResponseStatus::Redirect:
      finishRedirect(&out);
      out.errorKind = 0;
      return out;
    case ResponseStatus::NotFound:
      out.error = gbk("404 Not Found - 文件不存在");
      return out;
    default:
      out.error = statusMessage();
      return out;
  }
  if (!out.header.contentEncoding.empty()) {
    out.error = gbk("暂不支持处理 header.contentEncoding:") + out.header.contentEncoding;
    return out;
  }
  BodyRead body;
  readBody(out.header, rules_.bodyLimit, sink, &body);
  completeBody(out.header, body, &out);
  if (out.kind == ResponseOutcome::Kind::Body) out.errorKind = 0;
  return out;
}

}  // namespace

ResponseOutcome readResponse(ByteSource& source, const ResponseRules& rules, BodySink& sink) {
  ResponseReader reader(source, rules);
  return reader.read(sink);
}

}  // namespace pictavo
