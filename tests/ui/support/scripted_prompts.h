// Answers the window's message boxes and file choosers from queues, and records every box,
// so that tests drive the real window without anything showing.
#pragma once

#include <QList>
#include <QQueue>

#include <functional>

#include "app/user_prompts.h"

namespace pictavo::test {

struct ShownMessage {
  QString title;
  QString text;
};

class ScriptedPrompts : public UserPrompts {
 public:
  QQueue<QMessageBox::StandardButton> answers;  // an empty queue answers Ok
  QQueue<QStringList> choices;                  // an empty queue cancels, unless:
  std::function<QStringList(const QString& filter)> chooseByFilter;  // answers by the filter
  QList<ShownMessage> shown;

  QStringList titles() const;

  QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString& title,
                                      const QString& text, QMessageBox::StandardButtons,
                                      QMessageBox::StandardButton) override;
  QStringList chooseFilesToOpen(QWidget*, const QString&, const QString&, const QString&) override;
  QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override;
  QString chooseFileToSave(QWidget*, const QString&, const QString&, const QString&) override;

 private:
  QStringList nextChoice(const QString& filter);
};

}  // namespace pictavo::test
