#include "app/qt_text.h"

#include <gtest/gtest.h>

#include "util/charset.h"

namespace pictavo {
namespace {

TEST(CoreText, RoundTripsEveryUnicodeCharacterThroughGb18030) {
  const QString text = QStringLiteral("相册 ü 😀 <&'#%>");
  std::string core = toCore(text);
  EXPECT_EQ(core.substr(0, 4), gbk("相册"));
  EXPECT_EQ(fromCore(core), text);
  EXPECT_EQ(fromCore(std::string("a\x81", 2)), QStringLiteral("a\uFFFD"));
}

}  // namespace
}  // namespace pictavo
