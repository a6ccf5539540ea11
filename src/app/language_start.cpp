#include "app/language_start.h"

#include <QApplication>
#include <QFile>
#include <QTranslator>

#include "platform/folders.h"
#include "project/language_choice.h"
#include "util/paths.h"

namespace pictavo {

void startLanguage(QApplication& app) {
  applyLanguage(app, languageOfThisRun(PreferencesStore::user()));
}

bool applyLanguage(QApplication& app, Language language) {
  static QTranslator* installed = nullptr;
  if (installed != nullptr) {
    app.removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  std::string resources = resourceFolder();
  useLanguage(language, joinPath(resources, "locale"));
  if (language == Language::SimplifiedChinese) return true;
  auto translator = std::make_unique<QTranslator>();
  QString folder = QFile::decodeName(joinPath(resources, "translations").c_str());
  if (!translator->load(QStringLiteral("pictavo_") + QLatin1String(languageCode(language)), folder))
    return false;
  installed = translator.release();
  app.installTranslator(installed);
  return true;
}

}  // namespace pictavo
