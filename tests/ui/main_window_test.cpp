#include "ui/main_window.h"

#include <gtest/gtest.h>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "util/charset.h"

namespace pictavo {
namespace {

TEST(MainWindow, HasTheProgramTitleAndFixedSize) {
  Session session;
  QtUserPrompts prompts;
  MainWindow window(session, prompts);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Pictavo(V8.2)"));
  EXPECT_EQ(window.size(), QSize(1019, 666));
}

TEST(CoreText, RoundTripsEveryUnicodeCharacterThroughGb18030) {
  const QString text = QStringLiteral("相册 ü 😀 <&'#%>");
  std::string core = toCore(text);
  EXPECT_EQ(core.substr(0, 4), gbk("相册"));
  EXPECT_EQ(fromCore(core), text);
  EXPECT_EQ(fromCore(std::string("a\x81", 2)), QStringLiteral("a\uFFFD"));
}

}  // namespace
}  // namespace pictavo
