#include "ui/workers/run_and_wait.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QWidget>

#include "ui/workers/thread_worker.h"

namespace pictavo {
namespace {

constexpr int kShowProgressAfterMs = 800;

}  // namespace

void runAndWait(ThreadWorker& worker, QWidget* window, const QString& label) {
  window->setEnabled(false);
  QProgressDialog progress(label, QObject::tr("取消"), 0, 0, window);
  progress.setObjectName(QStringLiteral("workProgress"));
  progress.setWindowTitle(QStringLiteral("Pictavo"));
  progress.setMinimumDuration(kShowProgressAfterMs);
  progress.setAutoReset(false);
  progress.setAutoClose(false);
  progress.setEnabled(true);  // the one part of the window that still takes input
  QObject::connect(&worker, &ThreadWorker::progress, &progress, [&progress](int number, int total) {
    progress.setMaximum(total);
    progress.setValue(number - 1);
  });
  QObject::connect(&progress, &QProgressDialog::canceled, &worker, &ThreadWorker::cancel);

  QEventLoop loop;
  QObject::connect(&worker, &ThreadWorker::finished, &loop, &QEventLoop::quit);
  worker.start();
  loop.exec();
  window->setEnabled(true);
}

}  // namespace pictavo
