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

QStringList ScriptedPrompts::nextChoice(const QString& filter) {
  if (!choices.isEmpty()) return choices.dequeue();
  return chooseByFilter ? chooseByFilter(filter) : QStringList();
}

QStringList ScriptedPrompts::chooseFilesToOpen(QWidget*, const QString&, const QString&,
                                               const QString& filter) {
  return nextChoice(filter);
}

QString ScriptedPrompts::chooseFileToOpen(QWidget*, const QString&, const QString&,
                                          const QString& filter) {
  QStringList choice = nextChoice(filter);
  return choice.isEmpty() ? QString() : choice.first();
}

QString ScriptedPrompts::chooseFileToSave(QWidget*, const QString&, const QString&,
                                          const QString& filter) {
  QStringList choice = nextChoice(filter);
  return choice.isEmpty() ? QString() : choice.first();
}

}  // namespace pictavo::test
