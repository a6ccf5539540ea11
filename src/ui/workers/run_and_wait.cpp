#include "ui/workers/run_and_wait.h"

#include <QEventLoop>
#include <QWidget>

#include "ui/workers/thread_worker.h"

namespace pictavo {

void runAndWait(ThreadWorker& worker, QWidget* window) {
  window->setEnabled(false);
  QEventLoop loop;
  QObject::connect(&worker, &ThreadWorker::finished, &loop, &QEventLoop::quit);
  worker.start();
  loop.exec();
  window->setEnabled(true);
}

}  // namespace pictavo
