#include "app/user_prompts.h"

#include <QFileDialog>

namespace pictavo {

QMessageBox::StandardButton QtUserPrompts::message(QWidget* parent, QMessageBox::Icon icon,
                                                   const QString& title, const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, title, text, buttons, parent);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  int pressed = box.exec();
  return pressed ? static_cast<QMessageBox::StandardButton>(pressed) : defaultButton;
}

QStringList QtUserPrompts::chooseFilesToOpen(QWidget* parent, const QString& title,
                                             const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileNames(parent, title, folder, filter);
}

QString QtUserPrompts::chooseFileToOpen(QWidget* parent, const QString& title,
                                        const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtUserPrompts::chooseFileToSave(QWidget* parent, const QString& title,
                                        const QString& suggestedPath, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

}  // namespace pictavo
