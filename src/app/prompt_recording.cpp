#include "app/prompt_recording.h"

#include <QFile>

namespace pictavo {

QString promptRecordFile() { return qEnvironmentVariable("PICTAVO_RECORD_PROMPTS"); }

void recordPrompt(const QString& file, const QString& entry) {
  QFile out(file);
  if (out.open(QIODevice::WriteOnly | QIODevice::Append)) out.write(entry.toUtf8());
}

QMessageBox::StandardButton RecordingUserPrompts::message(QWidget*, QMessageBox::Icon,
                                                          const QString& title, const QString& text,
                                                          QMessageBox::StandardButtons buttons,
                                                          QMessageBox::StandardButton defaultButton) {
  recordPrompt(file_, QStringLiteral("message %1\n%2\n\n").arg(title, text));
  if (defaultButton != QMessageBox::NoButton) return defaultButton;
  // Like a box closed by its only (or first) button.
  for (int bit = 0; bit < 32; ++bit) {
    auto button = static_cast<QMessageBox::StandardButton>(1u << bit);
    if (buttons.testFlag(button)) return button;
  }
  return QMessageBox::Ok;
}

}  // namespace pictavo
