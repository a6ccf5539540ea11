#include "project/language_choice.h"

#include "project/stored_preferences.h"

namespace pictavo {

std::string storedLanguageChoice(const PreferencesStore& store) {
  std::string code;
  Language language;
  if (!store.readString(preference_names::kLanguage, &code) || !languageFromCode(code, &language))
    return {};
  return code;
}

Language languageOfThisRun(const PreferencesStore& store) {
  Language language;
  if (languageFromCode(storedLanguageChoice(store), &language)) return language;
  return languageOfEnvironment();
}

void storeLanguageChoice(PreferencesStore& store, const std::string& code) {
  store.writeString(preference_names::kLanguage, code);
}

}  // namespace pictavo
