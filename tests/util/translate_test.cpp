// The language a run speaks and the catalogs that speak it. A fresh machine has no locale but
// C.UTF-8, so the catalogs must work while every locale the environment names is missing.
#include "util/translate.h"

#include <gtest/gtest.h>

#include <clocale>

#include "platform/folders.h"
#include "project/language_choice.h"
#include "support/scoped_env.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::ScopedEnv;

constexpr Language kSimplified = Language::SimplifiedChinese;
constexpr Language kTraditional = Language::TraditionalChinese;
constexpr Language kEnglish = Language::English;

std::string localeFolder() { return joinPath(resourceFolder(), "locale"); }

// Puts the source language back, whatever a test switched to.
struct SourceLanguageAfterwards {
  ~SourceLanguageAfterwards() { useLanguage(kSimplified, localeFolder()); }
};

TEST(Language, OfLocaleNames) {
  struct Case {
    const char* locale;
    Language language;
  };
  const Case cases[] = {
      {"en_US.UTF-8", kEnglish},     {"en", kEnglish},           {"de_DE.UTF-8", kEnglish},
      {"ja_JP.eucJP", kEnglish},     {"zhx_TW", kEnglish},       {"zh_CN.UTF-8", kSimplified},
      {"zh_SG", kSimplified},        {"zh", kSimplified},        {"zh_CN.GB18030", kSimplified},
      {"zh_TW.UTF-8", kTraditional}, {"zh_HK.Big5-HKSCS", kTraditional}, {"zh_MO", kTraditional},
      {"zh_TW@radical", kTraditional}, {"", kSimplified},       {"C", kSimplified},
      {"POSIX", kSimplified},        {"C.UTF-8", kSimplified},
  };
  for (const Case& c : cases) EXPECT_EQ(languageOfLocale(c.locale), c.language) << c.locale;
}

TEST(Language, EnvironmentAsksInTheOrderLcAllLcMessagesLang) {
  ScopedEnv all("LC_ALL", "");  // empty counts as not set
  ScopedEnv messages("LC_MESSAGES", "zh_TW.UTF-8");
  ScopedEnv lang("LANG", "en_US.UTF-8");
  EXPECT_EQ(languageOfEnvironment(), kTraditional);
  {
    ScopedEnv everything("LC_ALL", "en_GB.UTF-8");
    EXPECT_EQ(languageOfEnvironment(), kEnglish);
  }
  ScopedEnv noMessages("LC_MESSAGES", "");
  EXPECT_EQ(languageOfEnvironment(), kEnglish);
}

// The stored choice wins over the environment; a missing or unknown one follows it.
TEST(Language, StoredChoiceOverridesTheEnvironment) {
  test::TempDir dir;
  PreferencesStore store(dir.path());
  ScopedEnv all("LC_ALL", "zh_HK.UTF-8");
  EXPECT_EQ(storedLanguageChoice(store), "");
  EXPECT_EQ(languageOfThisRun(store), kTraditional);
  storeLanguageChoice(store, "en");
  EXPECT_EQ(languageOfThisRun(store), kEnglish);
  storeLanguageChoice(store, "xx");
  EXPECT_EQ(storedLanguageChoice(store), "");
  EXPECT_EQ(languageOfThisRun(store), kTraditional);
}

TEST(Language, CatalogsSpeakWithoutAnyGeneratedLocale) {
  SourceLanguageAfterwards restore;
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  ScopedEnv all("LC_ALL", "en_US.UTF-8");  // named, but not generated on a fresh machine

  useLanguage(languageOfEnvironment(), localeFolder());
  EXPECT_STREQ(translate("已停止。"), "Stopped.");
  // Placeholders survive, and the text is internal text again.
  EXPECT_EQ(localFormat("最多可以添加 %d 张图片", 1000), "You can add at most 1000 pictures");
  EXPECT_STREQ(translate("没有这句话"), "没有这句话");  // no translation: the source

  useLanguage(kTraditional, localeFolder());
  EXPECT_EQ(utf8(localFormat("已下载 %d / %zu 张图片", 3, size_t{5})), "已下載 3 / 5 張圖片");
  useLanguage(kSimplified, localeFolder());
  EXPECT_EQ(utf8(localText("新项目")), "新项目");
}

}  // namespace
}  // namespace pictavo
