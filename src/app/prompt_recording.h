// Prompts written down instead of shown: with PICTAVO_RECORD_PROMPTS=FILE in the environment
// the program appends every message box it would show, and every page it would open, to
// FILE and answers each box with its default button. Scripts and tests use it to see what a
// start-up or a crash report tells the user on a machine with no one at the screen.
#pragma once

#include <QString>

#include "app/user_prompts.h"

namespace pictavo {

// The file named by PICTAVO_RECORD_PROMPTS; empty when prompts are shown as usual.
QString promptRecordFile();

// Appends one entry to the record file.
void recordPrompt(const QString& file, const QString& entry);

// Each box becomes "message TITLE\nTEXT\n\n" in the file; file choosers answer "cancelled".
class RecordingUserPrompts : public UserPrompts {
 public:
  explicit RecordingUserPrompts(QString file) : file_(std::move(file)) {}

  QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                      const QString& title, const QString& text,
                                      QMessageBox::StandardButtons buttons,
                                      QMessageBox::StandardButton defaultButton) override;
  QStringList chooseFilesToOpen(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  QString chooseFileToSave(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }

 private:
  QString file_;
};

}  // namespace pictavo
