// The language of this run, loaded before any text is shown: the core's gettext catalog and
// the window's Qt translator, both from the program's resource folder.
#pragma once

#include "util/translate.h"

class QApplication;

namespace pictavo {

// Chooses the language (the stored choice, else the environment) and loads its catalogs.
void startLanguage(QApplication& app);

// Makes `language` the language of the core and of the window's texts built from now on;
// Simplified Chinese, the source text, loads no catalog. False when a catalog is missing
// (the texts then stay in the source language).
bool applyLanguage(QApplication& app, Language language);

}  // namespace pictavo
