// The three file choosers every command uses. Each starts in a folder preference, stores the
// chosen file's folder back into it, and refuses folders and paths longer than the program
// can carry (259 bytes of internal text) with a message that says how to fix it.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

class QWidget;

namespace pictavo {

class UserPrompts;

inline constexpr int kMaxPathBytes = 259;

class FileChoosers {
 public:
  FileChoosers(UserPrompts& prompts, QWidget* parent) : prompts_(prompts), parent_(parent) {}

  // Empty when cancelled or refused.
  QString open(const QString& title, const QString& filter, std::string& folderPreference);
  QStringList openMany(const QString& title, const QString& filter, std::string& folderPreference);
  // `suggestedName` may be empty; `extension` (without dot) is appended when the chosen
  // name lacks it.
  QString save(const QString& title, const QString& filter, const QString& extension,
               const QString& suggestedName, std::string& folderPreference);

  // Whether `path` fits; otherwise shows the refusal. `many` picks the texts of the
  // multiple-file chooser.
  bool acceptPath(const QString& path, bool many);

 private:
  UserPrompts& prompts_;
  QWidget* parent_;
};

// The refusal for a folder (or, with `isFile`, a full path) of `bytes` bytes.
QString pathTooLongText(bool isFile, bool many, int bytes, const QString& path);

}  // namespace pictavo
