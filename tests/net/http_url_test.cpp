#include "net/http_url.h"

#include <gtest/gtest.h>

#include <cstring>

#include "net/http_request.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

TEST(RequestTarget, TakesHostPortAndScheme) {
  struct Case {
    const char* url;
    const char* requested;
    const char* host;
    int port;
    bool secure;
  } cases[] = {
      {"http://example.com/a/b.jpg?x=1", "http://example.com/a/b.jpg?x=1", "example.com", 80,
       false},
      {"http://example.com:8080", "http://example.com:8080/", "example.com", 8080, false},
      {"https://shop.example/x", "https://shop.example/x", "shop.example", 443, true},
      {"HTTPS://shop.example/x", "https://shop.example/x", "shop.example", 443, true},
      {"//img.example.com/p.png", "http://img.example.com/p.png", "img.example.com", 80, false},
  };
  for (const Case& c : cases) {
    auto target = requestTarget(c.url);
    ASSERT_TRUE(target) << c.url;
    EXPECT_EQ(target->url, c.requested);
    EXPECT_EQ(target->host, c.host);
    EXPECT_EQ(target->port, c.port);
    EXPECT_EQ(target->secure, c.secure);
  }
}

TEST(RequestTarget, RefusesWhatCannotBeRequested) {
  for (const char* url :
       {"ftp://example.com/", "example.com/x", "", "http:", "http://a:0/", "http://a:65536/",
        "http://a:x/", "http://a/b c", "http://a/\r\nX: y", "http://:81/x", "httpx://a/"}) {
    EXPECT_FALSE(requestTarget(url)) << url;
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

TEST(RequestHead, UserAgentIsReplacedAndCut) {
  std::string original = userAgent();
  setUserAgent(std::string(300, 'u'));
  EXPECT_EQ(userAgent(), std::string(255, 'u'));
  setUserAgent(original);
}

}  // namespace
}  // namespace pictavo
