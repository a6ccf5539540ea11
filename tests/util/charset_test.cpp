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
  EXPECT_EQ(utf8ToGbk("中文").value(), gbkText);
}

TEST(IconvStr, DropsCharactersTheTargetCannotHold) {
  // U+1F600 has no GBK form; the letters around it survive.
  auto converted = utf8ToGbk("a\xF0\x9F\x98\x80" "b");
  ASSERT_TRUE(converted.has_value());
  EXPECT_EQ(*converted, "ab");
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

TEST(CharsetWrappers, Utf16IsLittleEndianUcs2) {
  auto wide = gbkToUtf16(gbk("A中"));
  ASSERT_TRUE(wide.has_value());
  EXPECT_EQ(*wide, std::string("A\0\x2d\x4e", 4));
}

TEST(CharsetWrappers, StrictConversionRefusesWhatGbkCannotHold) {
  EXPECT_FALSE(utf8ToGbkStrict("photo\xF0\x9F\x98\x80.jpg").has_value());
  EXPECT_EQ(utf8ToGbkStrict("相册.jpg").value(), gbk("相册.jpg"));
  EXPECT_FALSE(gbkToUtf8Strict("\x81").has_value());  // a lead byte without its trail byte
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

TEST(Tokenisers, EmptyTokensBetweenAdjacentSeparators) {
  char text[] = "x||y";
  char* cursor = text;
  EXPECT_STREQ(splitAtAny(&cursor, "|"), "x");
  EXPECT_STREQ(splitAtAny(&cursor, "|"), "");
  EXPECT_STREQ(splitAtAny(&cursor, "|"), "y");
}

}  // namespace
}  // namespace pictavo
