#include "app/session.h"

#include "app/qt_text.h"
#include "project/project_file.h"
#include "project/stored_preferences.h"

namespace pictavo {

Session::Session() : store_(PreferencesStore::user()) {
  preferences_ = loadPreferences(store_, preferenceFolders());
}

Session::Session(Preferences preferences, PreferencesStore store)
    : store_(std::move(store)), preferences_(std::move(preferences)) {}

bool Session::projectChanged() const { return pictavo::projectChanged(project_); }

QString Session::projectTitle() const { return fromCore(project_.title()); }

void Session::saveFolders() { saveFolderPreferences(store_, preferences_); }

}  // namespace pictavo
