#include "ui/workers/task.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <system_error>

namespace pictavo {
namespace {

constexpr int kShowProgressAfterMs = 800;

}  // namespace

Task::~Task() { stopAndWait(); }

bool Task::start() {
  if (!prepare()) return false;
  running_ = true;
  try {
    thread_ = std::thread([this] {
      run();
      // Delivered on the window's thread after every report the work queued before it.
      QMetaObject::invokeMethod(this, [this] {
        running_ = false;
        emit finished();
      }, Qt::QueuedConnection);
    });
  } catch (const std::system_error&) {
    running_ = false;
    fail(tr("启动线程失败"));
    cancel();
    return false;
  }
  return true;
}

void Task::cancel() {
  cancelled_.store(true);
  stopRequested();
}

QString Task::error() const {
  std::lock_guard lock(errorMutex_);
  return error_;
}

void Task::fail(const QString& message) {
  std::lock_guard lock(errorMutex_);
  error_ = message;
}

void Task::wait() {
  if (thread_.joinable()) thread_.join();
}

void Task::stopAndWait() {
  cancel();
  wait();
}

bool runModal(Task& task, QWidget* window, const QString& label) {
  QProgressDialog progress(label, QObject::tr("取消"), 0, 0, window);
  progress.setObjectName(QStringLiteral("workProgress"));
  progress.setWindowTitle(QStringLiteral("Pictavo"));
  progress.setMinimumDuration(kShowProgressAfterMs);
  progress.setAutoReset(false);
  progress.setAutoClose(false);
  QObject::connect(&task, &Task::progress, &progress, [&progress](int number, int total) {
    progress.setMaximum(total);
    progress.setValue(number - 1);
  });
  QObject::connect(&progress, &QProgressDialog::canceled, &task, &Task::cancel);
  if (!task.start()) return false;
  waitModal(task, window, progress);
  return true;
}

void waitModal(Task& task, QWidget* window, QDialog& dialog) {
  QEventLoop loop;
  QObject::connect(&task, &Task::finished, &loop, &QEventLoop::quit);
  window->setEnabled(false);
  dialog.setEnabled(true);  // the one part of the window that still takes input
  if (task.isRunning()) loop.exec();
  window->setEnabled(true);
}

}  // namespace pictavo
