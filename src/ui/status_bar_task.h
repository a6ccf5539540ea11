// Shows a task that runs in the background in the status bar's progress line: "<label>:
// k / K" as it reports progress, and any status text it reports, until it finishes or is
// let go.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace pictavo {

class MainStatusBar;
class Task;

class StatusBarTask : public QObject {
  Q_OBJECT

 public:
  explicit StatusBarTask(MainStatusBar& bar, QObject* parent = nullptr);

  // Follows `task` (in place of any task followed before); without a label its progress
  // reads "k / K".
  void follow(Task& task, const QString& label);
  // Stops following the task and clears the part.
  void release();

 private:
  MainStatusBar& bar_;
  QPointer<Task> task_;
  QString label_;
};

}  // namespace pictavo
