#include "util/translate.h"

#include <libintl.h>

#include <cstdarg>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "util/charset.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

constexpr const char* kDomain = "pictavo";

Language gLanguage = Language::SimplifiedChinese;

// "zh_TW.UTF-8@x" -> language "zh", territory "TW".
void splitLocale(std::string_view locale, std::string_view* language, std::string_view* territory) {
  locale = locale.substr(0, locale.find_first_of(".@"));
  size_t underscore = locale.find_first_of("_-");
  *language = locale.substr(0, underscore);
  *territory = underscore == std::string_view::npos ? std::string_view() : locale.substr(underscore + 1);
}

bool isNoLocale(std::string_view language) {
  return language.empty() || language == "C" || language == "POSIX";
}

}  // namespace

Language languageOfLocale(std::string_view locale) {
  std::string_view language, territory;
  splitLocale(locale, &language, &territory);
  if (isNoLocale(language)) return Language::SimplifiedChinese;
  if (language != "zh") return Language::English;
  if (territory == "TW" || territory == "HK" || territory == "MO") return Language::TraditionalChinese;
  return Language::SimplifiedChinese;
}

Language languageOfEnvironment() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return languageOfLocale(value);
  }
  return Language::SimplifiedChinese;
}

const char* languageCode(Language language) {
  switch (language) {
    case Language::TraditionalChinese: return "zh_TW";
    case Language::English: return "en";
    default: return "zh_CN";
  }
}

bool languageFromCode(std::string_view code, Language* language) {
  for (Language candidate :
       {Language::SimplifiedChinese, Language::TraditionalChinese, Language::English}) {
    if (code == languageCode(candidate)) {
      *language = candidate;
      return true;
    }
  }
  return false;
}

void useLanguage(Language language, const std::string& localeFolder) {
  gLanguage = language;
  if (language == Language::SimplifiedChinese) return;  // the source text needs no catalog
  // gettext ignores LANGUAGE only under the locale "C"; C.UTF-8 exists on every Debian and
  // changes nothing but the messages category, whose catalog LANGUAGE then names.
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  if (messages == nullptr || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  setenv("LANGUAGE", languageCode(language), 1);
  bindtextdomain(kDomain, localeFolder.c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
}

Language currentLanguage() { return gLanguage; }

const char* translate(const char* source) {
  if (gLanguage == Language::SimplifiedChinese) return source;
  return dgettext(kDomain, source);
}

std::string localText(const char* source) { return gbk(translate(source)); }

std::string localFormat(const char* format, ...) {
  std::string translated = gbk(translate(format));
  va_list args;
  va_start(args, format);
  std::string text = vstrprintf(translated.c_str(), args);
  va_end(args);
  return text;
}

}  // namespace pictavo
