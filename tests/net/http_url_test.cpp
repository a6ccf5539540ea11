#include "net/http_url.h"

#include <gtest/gtest.h>

#include <cstring>

#include "net/http_request.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

ParsedUrl parsed(const char* url) {
  ParsedUrl out;
  EXPECT_TRUE(parseUrl(url, &out)) << url;
  return out;
}

TEST(ParseUrl, TakesHostPortAndPath) {
  ParsedUrl a = parsed("http://example.com/a/b.jpg?x=1");
  EXPECT_EQ(a.host, "example.com");
  EXPECT_EQ(a.port, 80);
  EXPECT_EQ(a.path, "/a/b.jpg?x=1");

  ParsedUrl b = parsed("http://example.com:8080");
  EXPECT_EQ(b.host, "example.com");
  EXPECT_EQ(b.port, 8080);
  EXPECT_EQ(b.path, "/");

  EXPECT_EQ(parsed("https://shop.example/x").port, 443);
  EXPECT_EQ(parsed("HTTPS://shop.example/x").port, 80);  // only the exact "https:" means 443
  ParsedUrl c = parsed("//img.example.com/p.png");
  EXPECT_EQ(c.host, "img.example.com");
  EXPECT_EQ(c.path, "/p.png");
  EXPECT_EQ(parsed("http://:81/x").host, "");
}

TEST(ParseUrl, RefusesWhatCannotBeRequested) {
  ParsedUrl out;
  for (const char* url : {"ftp://example.com/", "example.com/x", "", "http:", "http://a:0/",
                          "http://a:65536/", "http://a:x/", "http://a/b c", "http://a/\r\nX: y"}) {
    EXPECT_FALSE(parseUrl(url, &out)) << url;
  }
}

TEST(UrlEncode, EncodesFormValuesByteByByte) {
  EXPECT_EQ(urlEncode("a b/c"), "a+b%2Fc");
  EXPECT_EQ(urlEncode("Az09-._~"), "Az09-._%7E");
  EXPECT_EQ(urlEncode(test::g("中")), "%D6%D0");
  EXPECT_EQ(urlEncode(""), "");
}

TEST(UrlDecode, DecodesInPlace) {
  char text[] = "a+b%2fc%D6%d0%4";
  size_t length = urlDecode(text, std::strlen(text));
  EXPECT_EQ(std::string(text, length), "a b/c\xD6\xD0%4");
  char invalid[] = "%zz%";
  EXPECT_EQ(std::string(invalid, urlDecode(invalid, 4)), "%zz%");
}

TEST(UrlFileExtension, TakesTheLastSegmentsExtension) {
  EXPECT_EQ(urlFileExtension("http://a/b/c.JPG?x=1#y", 15), "JPG");
  EXPECT_EQ(urlFileExtension("http://a/b.png#frag", 15), "png");
  EXPECT_EQ(urlFileExtension("http://a/b.tar.gz", 15), "gz");
  EXPECT_EQ(urlFileExtension("http://a.b/c", 15), "");
  EXPECT_EQ(urlFileExtension("noslash.jpg", 15), "");
  EXPECT_EQ(urlFileExtension("http://a/b.verylongextension", 4), "very");
}

TEST(AbsoluteLocation, JoinsRelativeTargets) {
  EXPECT_EQ(absoluteLocation("http://a.com/x/y", "https://b.com/z"), "https://b.com/z");
  EXPECT_EQ(absoluteLocation("http://a.com:81/x/y?q", "/root"), "http://a.com:81/root");
  EXPECT_EQ(absoluteLocation("http://a.com/x/y", "z.jpg"), "http://a.com/x/z.jpg");
  EXPECT_EQ(absoluteLocation("http://a.com", "z"), "http://a.com/z");
  EXPECT_EQ(absoluteLocation("http://a.com", "/z"), "http://a.com/z");
}

TEST(RequestHead, FollowsTheRequestForm) {
  HttpRequest get;
  get.url = "https://shop.example/p";
  get.referer = "http://r.example/";
  get.cookie = "a=1\r\nInjected: yes";
  ParsedUrl target = parsed(get.url.c_str());
  target.port = 80;
  std::string head = buildRequestHead(get, target);
  EXPECT_EQ(
      head.rfind("GET /p HTTP/1.0\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nUser-Agent: ", 0),
      0u);
  EXPECT_NE(head.find("\r\nHost: shop.example\r\nReferer: http://r.example/\r\nConnection: close"
                      "\r\nCookie: a=1Injected: yes\r\n\r\n"),
            std::string::npos);

  HttpRequest post;
  post.keepAlive = true;
  post.postBody = "k=v";
  head = buildRequestHead(post, parsed("http://h:8080"));
  EXPECT_EQ(head.rfind("POST / HTTP/1.1\r\n", 0), 0u);
  EXPECT_NE(head.find("\r\nHost: h:8080\r\nContent-Type: application/x-www-form-urlencoded"
                      "\r\nContent-Length: 3\r\nConnection: keep-alive\r\n\r\n"),
            std::string::npos);
}

TEST(RequestHead, UserAgentIsReplacedAndCut) {
  std::string original = userAgent();
  setUserAgent(std::string(300, 'u'));
  EXPECT_EQ(userAgent(), std::string(255, 'u'));
  setUserAgent(original);
}

}  // namespace
}  // namespace pictavo
