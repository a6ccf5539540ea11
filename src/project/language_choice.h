// The language of the program's texts: the one chosen in the settings menu (stored as
// "interface_language", written only when the user chooses), else the one the environment
// asks for. A choice takes effect at the next start.
#pragma once

#include "project/preferences_store.h"
#include "util/translate.h"

namespace pictavo {

// The stored choice, or "" when none is stored (or it names no language): follow the system.
std::string storedLanguageChoice(const PreferencesStore& store);

// The language of this run.
Language languageOfThisRun(const PreferencesStore& store);

// Stores `code` (a languageCode(), or "" to follow the system) as the choice.
void storeLanguageChoice(PreferencesStore& store, const std::string& code);

}  // namespace pictavo
