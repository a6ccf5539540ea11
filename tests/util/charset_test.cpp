#include <gtest/gtest.h>

#include <cstring>

#include "util/charset.h"
#include "util/tokenize.h"

namespace pictavo {
namespace {

TEST(IconvStr, EmptyInputGivesEmptyTerminatedOutput) {
  char out[8];
  std::memset(out, 'x', sizeof out);
  size_t written = 99;
  EXPECT_NE(iconvStr("GBK", "UTF-8", "", 0, out, sizeof out, &written), -1);
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(out[0], '\0');
}

TEST(IconvStr, ConvertsGbkToUtf8AndBack) {
  const std::string gbkText = "\xd6\xd0\xce\xc4";  // "中文" in GBK
  char out[16];
  size_t written = 0;
  ASSERT_NE(iconvStr("GBK", "UTF-8", gbkText.data(), gbkText.size(), out, sizeof out, &written), -1);
  EXPECT_EQ(std::string(out, written), "中文");
}

TEST(IconvStr, DropsCharactersTheTargetCannotHold) {
  // U+1F600 has no GBK form; the letters around it survive.
  const char in[] = "a\xF0\x9F\x98\x80" "b";
  char out[16];
  size_t written = 0;
  EXPECT_NE(iconvStr("UTF-8", "GBK", in, sizeof in - 1, out, sizeof out, &written), -1);
  EXPECT_EQ(std::string(out, written), "ab");
}

TEST(IconvStr, TooSmallOutputFailsButTellsWhatWasProduced) {
  char out[4];
  size_t written = 0;
  EXPECT_EQ(iconvStr("UTF-8", "GBK", "abcdef", 6, out, sizeof out, &written), -1);
  EXPECT_EQ(written, 4u);
  EXPECT_EQ(std::string(out, 4), "abcd");
}

TEST(IconvStr, UnknownCharsetFailsAtOnce) {
  char out[4] = {'k', 'e', 'e', 'p'};
  size_t written = 7;
  EXPECT_EQ(iconvStr("NO-SUCH-CHARSET", "UTF-8", "a", 1, out, sizeof out, &written), -1);
  EXPECT_EQ(std::string(out, 4), "keep");  // nothing written
}

TEST(CharsetWrappers, Utf16IsLittleEndianWithSurrogatePairs) {
  auto wide = gb18030ToUtf16(gbk("A中😀"));
  ASSERT_TRUE(wide.has_value());
  EXPECT_EQ(*wide, std::string("A\0\x2d\x4e\x3d\xd8\x00\xde", 8));
}

// GBK text keeps its bytes (the euro sign its old single byte 0x80); characters GBK lacks
// take four bytes; either way the file-system name comes back unchanged.
TEST(InternalText, GbkBytesKeptAndOtherCharactersTakeFourBytes) {
  const struct {
    const char* utf8;
    std::string internal;
  } cases[] = {
      {"中文.jpg", "\xd6\xd0\xce\xc4.jpg"},
      {"café", "caf\xa8\xa6"},
      {"€5", "\x80" "5"},
      {"한국", "\x83\x36\x84\x33\x82\x37\xf4\x30"},
      {"øñ", "\x81\x30\x8b\x33\x81\x30\x8a\x39"},
      {"😀", "\x94\x39\xfc\x36"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8ToGb18030Strict(c.utf8), c.internal) << c.utf8;
    EXPECT_EQ(gbk(c.utf8), c.internal) << c.utf8;
    EXPECT_EQ(gb18030ToUtf8Strict(c.internal), c.utf8) << c.utf8;
    EXPECT_EQ(utf8(c.internal), c.utf8) << c.utf8;
  }
  // Only bytes that are no text at all are refused.
  EXPECT_FALSE(utf8ToGb18030Strict("photo\xFF.jpg").has_value());
  EXPECT_FALSE(gb18030ToUtf8Strict("\x81").has_value());  // a lead byte without its trail byte
  EXPECT_EQ(utf8("ok\x94\x39\xfc"), "ok");                // a cut character keeps the text before it
}

// Cutting to N bytes never ends inside a two- or four-byte character.
TEST(InternalText, PrefixNeverSplitsACharacter) {
  const std::string text = "a\x94\x39\xfc\x36\xd6\xd0" "b";  // a😀中b
  const size_t ends[] = {0, 1, 1, 1, 1, 5, 5, 7, 8, 8};         // for maxBytes 0..9
  for (size_t maxBytes = 0; maxBytes < std::size(ends); ++maxBytes)
    EXPECT_EQ(gb18030Prefix(text, maxBytes), text.substr(0, ends[maxBytes])) << maxBytes;
  EXPECT_EQ(gb18030Prefix("x\xd6", 5), "x\xd6");  // a stray lead byte at the end stays
}

TEST(Tokenisers, SplitAtAnyCharacterOfASet) {
  char text[] = "a|b,c";
  char* cursor = text;
  EXPECT_STREQ(splitAtAny(&cursor, "|,"), "a");
  EXPECT_STREQ(splitAtAny(&cursor, "|,"), "b");
  EXPECT_STREQ(splitAtAny(&cursor, "|,"), "c");
  EXPECT_EQ(cursor, nullptr);
  EXPECT_EQ(splitAtAny(&cursor, "|,"), nullptr);
}

TEST(Tokenisers, SplitAtWholeSeparator) {
  char text[] = "one\r\ntwo\r\n";
  char* cursor = text;
  EXPECT_STREQ(splitAtString(&cursor, "\r\n"), "one");
  EXPECT_STREQ(splitAtString(&cursor, "\r\n"), "two");
  EXPECT_STREQ(splitAtString(&cursor, "\r\n"), "");  // the empty rest after the last separator
  EXPECT_EQ(cursor, nullptr);
}

// A separator byte inside a character (a GBK trail byte '|', the digits of a four-byte
// sequence) never splits it.
TEST(Tokenisers, SeparatorsInsideCharactersDoNotSplit) {
  char text[] = "\x81\x30\x81\x30|x0\x81\x7c";  // U+0080, "|", "x", "0", a GBK pair ending in '|'
  char* cursor = text;
  EXPECT_STREQ(splitAtAny(&cursor, "|0"), "\x81\x30\x81\x30");
  EXPECT_STREQ(splitAtAny(&cursor, "|0"), "x");
  EXPECT_STREQ(splitAtAny(&cursor, "|0"), "\x81\x7c");
  EXPECT_EQ(cursor, nullptr);

  char text2[] = "\x81\x30\x81\x30\x81;0\x81";
  cursor = text2;
  EXPECT_STREQ(splitAtString(&cursor, "0\x81"), "\x81\x30\x81\x30\x81;");
  EXPECT_STREQ(splitAtString(&cursor, "0\x81"), "");
  EXPECT_EQ(cursor, nullptr);
}

TEST(Tokenisers, EmptyTokensBetweenAdjacentSeparators) {
  char text[] = "x||y";
  char* cursor = text;
  EXPECT_STREQ(splitAtAny(&cursor, "|"), "x");
  EXPECT_STREQ(splitAtAny(&cursor, "|"), "");
  EXPECT_STREQ(splitAtAny(&cursor, "|"), "y");
}

}  // namespace
}  // namespace pictavo
