#include "net/chunked_decoder.h"

#include <algorithm>
#include <cstring>

#include "net/http_header.h"
#include "util/charset.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

long long chunkSizeOf(const std::string& line, int* wrapped) {
  size_t i = line.size() > 1 && (line[1] == 'x' || line[1] == 'X') ? 2 : 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  unsigned long long value = 0;
  bool tooLarge = false;
  for (; i < line.size() && hexDigit(line[i]) >= 0; ++i) {
    value = value * 16 + static_cast<unsigned>(hexDigit(line[i]));
    if (value > 0x7fffffffULL) tooLarge = true;
    value &= 0xffffffffULL;  // what a 32-bit int would hold
  }
  *wrapped = static_cast<int>(static_cast<unsigned>(value));
  return tooLarge ? -1 : static_cast<long long>(value);
}

size_t ChunkedDecoder::feed(const char* data, size_t length, BodySink& sink) {
  size_t used = 0;
  while (used < length && state_ != State::Done && state_ != State::Failed) {
    const char* at = data + used;
    size_t left = length - used;
    switch (state_) {
      case State::SizeLine:
      case State::Trailer:
        used += takeLine(at, left);
        break;
      case State::Data:
        used += takeData(at, left, sink);
        break;
      case State::DataEnd:
        used += takeDataEnd(at, left);
        break;
      default:
        break;
    }
  }
  return used;
}

size_t ChunkedDecoder::takeLine(const char* data, size_t length) {
  const void* found = std::memchr(data, '\n', length);
  size_t take = found ? static_cast<size_t>(static_cast<const char*>(found) - data) + 1 : length;
  line_.append(data, take);
  bool complete = line_.size() >= 2 && line_.compare(line_.size() - 2, 2, "\r\n") == 0;
  if (complete) {
    line_.resize(line_.size() - 2);
    lineComplete();
    line_.clear();
  } else if (state_ == State::SizeLine && line_.size() >= kHttpBufferSize) {
    fail(gbk("chunk 大小行超过 HTTP_BUFFER_SIZE 字节, 也没有找到 \\r\\n"));
  } else if (state_ == State::Trailer && trailerBytes_ + line_.size() >= kHttpBufferSize) {
    fail(gbk("读取完 HTTP_BUFFER_SIZE 长度, 也没有找到 chunk 最后一个结束符"));
  }
  return take;
}

void ChunkedDecoder::lineComplete() {
  if (state_ == State::SizeLine) {
    startChunk(line_);
  } else if (line_.empty()) {
    state_ = State::Done;  // the empty line that ends the trailer
  } else {
    trailerBytes_ += line_.size() + 2;
  }
}

void ChunkedDecoder::startChunk(const std::string& line) {
  int wrapped = 0;
  long long size = chunkSizeOf(line, &wrapped);
  if (size < 0) {
    fail(strprintf(gbk("不正常: 这里就有问题了, chunksize:%d").c_str(), wrapped));
  } else if (size == 0) {
    state_ = State::Trailer;
  } else if (announced_ + size > limit_) {
    fail(strprintf(gbk("chunk 数据总大小超过10M: readTotal:%lld, chunksize:%lld").c_str(),
                   received_, size));
  } else {
    announced_ += size;
    chunkLeft_ = size;
    state_ = State::Data;
  }
}

size_t ChunkedDecoder::takeData(const char* data, size_t length, BodySink& sink) {
  size_t take =
      static_cast<size_t>(std::min<long long>(chunkLeft_, static_cast<long long>(length)));
  if (!sink.write(data, take)) {
    sinkFailed_ = true;
    fail("fwrite() fail");
    return take;
  }
  received_ += static_cast<long long>(take);
  chunkLeft_ -= static_cast<long long>(take);
  if (chunkLeft_ == 0) {
    state_ = State::DataEnd;
    dataEndSeen_ = 0;
  }
  return take;
}

size_t ChunkedDecoder::takeDataEnd(const char* data, size_t length) {
  size_t used = 0;
  while (used < length && dataEndSeen_ < 2) {
    char expected = dataEndSeen_ == 0 ? '\r' : '\n';
    if (data[used] != expected) {
      fail(gbk("chunk 数据之后不是 \\r\\n"));
      return used;
    }
    ++used;
    ++dataEndSeen_;
  }
  if (dataEndSeen_ == 2) state_ = State::SizeLine;
  return used;
}

void ChunkedDecoder::fail(std::string message) {
  state_ = State::Failed;
  error_ = std::move(message);
}

}  // namespace pictavo
