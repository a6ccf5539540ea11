// Every message box and file chooser of the window goes through this interface, so that
// tests can answer them; the program uses QtUserPrompts (Qt's own boxes and choosers).
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace pictavo {

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  // A message box with the given buttons; returns the button pressed (`defaultButton` when
  // the box is closed another way).
  virtual QMessageBox::StandardButton message(
      QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
      QMessageBox::StandardButtons buttons = QMessageBox::Ok,
      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

  // File choosers: an empty result (or list) means the user cancelled.
  virtual QStringList chooseFilesToOpen(QWidget* parent, const QString& title,
                                        const QString& folder, const QString& filter) = 0;
  virtual QString chooseFileToOpen(QWidget* parent, const QString& title,
                                   const QString& folder, const QString& filter) = 0;
  virtual QString chooseFileToSave(QWidget* parent, const QString& title,
                                   const QString& suggestedPath, const QString& filter) = 0;
};

// The real boxes and choosers.
class QtUserPrompts : public UserPrompts {
 public:
  QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                      const QString& title, const QString& text,
                                      QMessageBox::StandardButtons buttons,
                                      QMessageBox::StandardButton defaultButton) override;
  QStringList chooseFilesToOpen(QWidget* parent, const QString& title, const QString& folder,
                                const QString& filter) override;
  QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& folder,
                           const QString& filter) override;
  QString chooseFileToSave(QWidget* parent, const QString& title,
                           const QString& suggestedPath, const QString& filter) override;
};

}  // namespace pictavo
