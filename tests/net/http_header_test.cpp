#include "net/http_header.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

ResponseHeader parse(const std::string& text, const std::string& url = "http://a.com/x/y") {
  ResponseHeader header;
  parseResponseHeader(url, text, &header);
  return header;
}

TEST(ResponseHeaderParse, TakesTheFieldsWithAnyCase) {
  ResponseHeader h = parse(
      "HTTP/1.1 200 OK\r\ncontent-length: 42\r\nTRANSFER-ENCODING: Chunked\r\n"
      "Connection: Keep-Alive  \r\nContent-Encoding: gzip\r\n"
      "Content-Type: text/html; charset=GBK\r\nLocation: /next");
  EXPECT_EQ(h.contentLength, 42);
  EXPECT_TRUE(h.isChunked);
  EXPECT_EQ(h.connection, "Keep-Alive");
  EXPECT_EQ(h.contentEncoding, "gzip");
  EXPECT_EQ(h.contentType, "text/html");
  EXPECT_EQ(h.charset, "GBK");
  EXPECT_EQ(h.location, "http://a.com/next");
}

TEST(ResponseHeaderParse, AbsentAndOddValues) {
  ResponseHeader none = parse("HTTP/1.0 200 OK\r\nTransfer-Encoding: gzip, chunked");
  EXPECT_EQ(none.contentLength, -1);
  EXPECT_FALSE(none.isChunked);  // only a line that is exactly "chunked" counts
  EXPECT_EQ(parse("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999").contentLength,
            parse("HTTP/1.1 200 OK\r\nContent-Length: 999999999999999999999999").contentLength);
  EXPECT_GT(parse("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999").contentLength,
            kHttpBodyLimit);
  EXPECT_EQ(parse("HTTP/1.1 200 OK\r\nContent-Length: x").contentLength, 0);
}

TEST(ResponseHeaderParse, CutsValuesToTheirFields) {
  ResponseHeader h = parse(
      "HTTP/1.1 302 Found\r\nLocation: http://b.com/" + std::string(600, 'p') +
      "\r\nConnection: " + std::string(40, 'c') + "\r\nContent-Encoding: " + std::string(40, 'e') +
      "\r\nContent-Type: " + std::string(200, 't') + "; charset=" + std::string(30, 's'));
  EXPECT_EQ(h.location.size(), kLocationBytes);
  EXPECT_EQ(h.connection.size(), kConnectionBytes);
  EXPECT_EQ(h.contentEncoding.size(), kContentEncodingBytes);
  EXPECT_EQ(h.contentType.size(), kContentTypeBytes);
  EXPECT_EQ(h.charset.size(), kCharsetBytes);
}

TEST(ResponseStatusClass, ByPrefixOfTheResponse) {
  ResponseHeader withLocation;
  withLocation.location = "http://x/";
  ResponseHeader none;
  EXPECT_EQ(classifyStatus("HTTP/1.0 200 OK", none), ResponseStatus::Ok);
  EXPECT_EQ(classifyStatus("http/1.1 200 OK", none), ResponseStatus::Ok);
  EXPECT_EQ(classifyStatus("HTTP/1.1 301 Moved", withLocation), ResponseStatus::Redirect);
  EXPECT_EQ(classifyStatus("HTTP/1.0 302 Found", withLocation), ResponseStatus::Redirect);
  EXPECT_EQ(classifyStatus("HTTP/1.1 302 Found", none), ResponseStatus::Other);
  EXPECT_EQ(classifyStatus("HTTP/1.1 307 Temporary", withLocation), ResponseStatus::Other);
  EXPECT_EQ(classifyStatus("HTTP/1.1 404 Not Found", none), ResponseStatus::NotFound);
  EXPECT_EQ(classifyStatus("HTTP/1.1 100 Continue", none), ResponseStatus::Continue);
  EXPECT_EQ(classifyStatus("HTTP/2 200", none), ResponseStatus::Other);
}

}  // namespace
}  // namespace pictavo
