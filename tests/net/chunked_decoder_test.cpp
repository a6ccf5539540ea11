#include "net/chunked_decoder.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace pictavo {
namespace {

struct StringSink : BodySink {
  std::string data;
  bool write(const char* bytes, size_t length) override {
    data.append(bytes, length);
    return true;
  }
};

// Feeds `input` in pieces of `piece` bytes; returns the bytes left over after the end.
std::string decode(ChunkedDecoder& decoder, StringSink& sink, const std::string& input,
                   size_t piece) {
  size_t at = 0;
  while (at < input.size() && !decoder.done() && !decoder.failed()) {
    size_t length = std::min(piece, input.size() - at);
    size_t used = decoder.feed(input.data() + at, length, sink);
    at += used;
    if (used < length) break;
  }
  return input.substr(at);
}

TEST(ChunkedDecoder, DecodesInPiecesOfAnySize) {
  const std::string input =
      "0x5;name=value\r\nhello\r\n  6 ; ext\r\n world\r\nA\r\n0123456789\r\n0\r\n"
      "X-Trailer: 1\r\nX-Other: 2\r\n\r\nNEXT";
  for (size_t piece : {size_t(1), size_t(2), size_t(7), input.size()}) {
    ChunkedDecoder decoder(1000);
    StringSink sink;
    std::string rest = decode(decoder, sink, input, piece);
    ASSERT_TRUE(decoder.done()) << "piece " << piece << ": " << decoder.error();
    EXPECT_EQ(sink.data, "hello world0123456789");
    EXPECT_EQ(decoder.announced(), 21);
    EXPECT_EQ(rest, "NEXT");
  }
}

TEST(ChunkedDecoder, ALineWithoutDigitsEndsTheBody) {
  ChunkedDecoder decoder(1000);
  StringSink sink;
  decode(decoder, sink, "3\r\nabc\r\nzz\r\n\r\n", 100);
  EXPECT_TRUE(decoder.done());
  EXPECT_EQ(sink.data, "abc");
}

TEST(ChunkedDecoder, RefusesHostileInput) {
  struct Case {
    std::string input;
    const char* message;
  } cases[] = {
      {"80000000\r\n", "不正常: 这里就有问题了, chunksize:-2147483648"},
      {"FFFFFFFFF\r\n", "不正常: 这里就有问题了, chunksize:-1"},
      {"3e9\r\n", "chunk 数据总大小超过10M: readTotal:0, chunksize:1001"},
      {"3\r\nabcXY", "chunk 数据之后不是 \\r\\n"},
      {std::string(9000, '1'), "chunk 大小行超过 HTTP_BUFFER_SIZE 字节, 也没有找到 \\r\\n"},
      {"0\r\n" + std::string(9000, 't'),
       "读取完 HTTP_BUFFER_SIZE 长度, 也没有找到 chunk 最后一个结束符"},
  };
  for (const Case& c : cases) {
    ChunkedDecoder decoder(1000);
    StringSink sink;
    decode(decoder, sink, c.input, 512);
    ASSERT_TRUE(decoder.failed()) << c.message;
    EXPECT_EQ(decoder.error(), test::g(c.message));
  }
}

TEST(ChunkedDecoder, ALimitOfExactlyTheBodyIsEnough) {
  ChunkedDecoder decoder(6);
  StringSink sink;
  decode(decoder, sink, "3\r\nabc\r\n3\r\ndef\r\n0\r\n\r\n", 4);
  EXPECT_TRUE(decoder.done());
  EXPECT_EQ(sink.data, "abcdef");
}

TEST(ChunkedDecoder, AFailingSinkStopsIt) {
  struct FullDisk : BodySink {
    bool write(const char*, size_t) override { return false; }
  } sink;
  ChunkedDecoder decoder(100);
  decoder.feed("3\r\nabc\r\n", 8, sink);
  EXPECT_TRUE(decoder.failed());
  EXPECT_TRUE(decoder.sinkFailed());
}

}  // namespace
}  // namespace pictavo
