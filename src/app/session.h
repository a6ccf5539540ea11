// The session: the one open project, the preferences and the undo history. Every window,
// dialog and worker reaches the core through it; nothing else keeps a copy of the project.
#pragma once

#include <QUndoStack>

#include "project/preferences.h"
#include "project/preferences_store.h"
#include "project/project_model.h"

namespace pictavo {

class Session {
 public:
  // Preferences read from the user's store, with their defaults and folder checks.
  Session();
  // What start-up has already read.
  Session(Preferences preferences, PreferencesStore store);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Project& project() { return project_; }
  const Project& project() const { return project_; }
  Preferences& preferences() { return preferences_; }
  const Preferences& preferences() const { return preferences_; }
  PreferencesStore& store() { return store_; }
  QUndoStack& undoStack() { return undoStack_; }

  // Whether closing the project now would lose work.
  bool projectChanged() const;

  // The project's title as the window shows it: "新项目" or the file's name.
  QString projectTitle() const;

  // Writes the folder preferences, as the exit sequence does.
  void saveFolders();

 private:
  PreferencesStore store_;
  Preferences preferences_;
  Project project_;
  QUndoStack undoStack_;
};

}  // namespace pictavo
