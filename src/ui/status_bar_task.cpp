#include "ui/status_bar_task.h"

#include "ui/status_bar.h"
#include "ui/workers/task.h"

namespace pictavo {

StatusBarTask::StatusBarTask(MainStatusBar& bar, QObject* parent)
    : QObject(parent), bar_(bar) {}

void StatusBarTask::follow(Task& task, const QString& label) {
  release();
  task_ = &task;
  label_ = label;
  connect(&task, &Task::statusChanged, this, [this](const QString& text) {
    bar_.setMessage(text);
  });
  connect(&task, &Task::progress, this, [this](int number, int total) {
    const QString count = tr("%1 / %2").arg(number).arg(total);
    bar_.setMessage(label_.isEmpty() ? count : tr("%1: %2").arg(label_, count));
  });
  // A task followed in its place may already be shown.
  connect(&task, &Task::finished, this, [this, followed = &task] {
    if (task_ == followed) release();
  });
}

void StatusBarTask::release() {
  if (task_) disconnect(task_, nullptr, this, nullptr);
  task_ = nullptr;
  bar_.setMessage(QString());
}

}  // namespace pictavo
