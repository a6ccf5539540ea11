// The language of the texts the program shows. Simplified Chinese is the source text: every
// literal is written in it, and the other languages come from catalogs (gettext's for the
// core and pictavo-cli, Qt Linguist's for the window). Stored files never depend on the
// language: only what is shown passes through translate().
#pragma once

#include <string>
#include <string_view>

namespace pictavo {

enum class Language { SimplifiedChinese, TraditionalChinese, English };

// The language a locale name asks for ("en_US.UTF-8", "zh_TW.Big5", "zh"): zh_TW, zh_HK and
// zh_MO Traditional Chinese, every other zh Simplified Chinese, any other language English.
// No locale at all ("", "C", "POSIX", "C.UTF-8") keeps the source language.
Language languageOfLocale(std::string_view locale);

// The language the environment asks for: the first set of LC_ALL, LC_MESSAGES and LANG.
Language languageOfEnvironment();

// The code that names a language in the catalogs' folders and in the stored choice:
// "zh_CN", "zh_TW", "en".
const char* languageCode(Language language);
// The language of a stored code; false for any other text.
bool languageFromCode(std::string_view code, Language* language);

// Makes `language` the language of translate(); its catalog is
// `localeFolder`/<code>/LC_MESSAGES/pictavo.mo. Needs no generated locale: a missing one is
// replaced by C.UTF-8 for messages only, and the catalog is chosen by its code.
void useLanguage(Language language, const std::string& localeFolder);
Language currentLanguage();

// `source` (a UTF-8 literal in Simplified Chinese) in the current language: the source
// itself in Simplified Chinese or when the catalog lacks it.
const char* translate(const char* source);

// translate(source) as internal text (GB18030), the form of every message of the core.
std::string localText(const char* source);

// strprintf with translate(format) as internal text; text arguments are internal text too.
// A translation may take the arguments in another order ("%2$s ... %1$s").
std::string localFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Marks a literal for the catalogs without translating it where it stands (tables whose
// texts are translated when shown).
constexpr const char* translatable(const char* source) { return source; }

}  // namespace pictavo
