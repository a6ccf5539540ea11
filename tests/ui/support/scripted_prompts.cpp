#include "ui/support/scripted_prompts.h"

namespace pictavo::test {

QStringList ScriptedPrompts::titles() const {
  QStringList result;
  for (const ShownMessage& m : shown) result << m.title;
  return result;
}

QMessageBox::StandardButton ScriptedPrompts::message(QWidget*, QMessageBox::Icon,
                                                     const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons,
                                                     QMessageBox::StandardButton) {
  shown.append({title, text});
  return answers.isEmpty() ? QMessageBox::Ok : answers.dequeue();
}

QStringList ScriptedPrompts::nextChoice() { return choices.isEmpty() ? QStringList() : choices.dequeue(); }

QStringList ScriptedPrompts::chooseFilesToOpen(QWidget*, const QString&, const QString&,
                                               const QString&) {
  return nextChoice();
}

QString ScriptedPrompts::chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) {
  QStringList choice = nextChoice();
  return choice.isEmpty() ? QString() : choice.first();
}

QString ScriptedPrompts::chooseFileToSave(QWidget*, const QString&, const QString&, const QString&) {
  QStringList choice = nextChoice();
  return choice.isEmpty() ? QString() : choice.first();
}

}  // namespace pictavo::test
