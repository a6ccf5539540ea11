#include "ui/workers/thread_worker.h"

namespace pictavo {

ThreadWorker::~ThreadWorker() { stopAndWait(); }

void ThreadWorker::stopAndWait() {
  cancel();
  if (thread_) thread_->wait();
}

void ThreadWorker::start() {
  thread_.reset(QThread::create([this] { run(); }));
  // The thread's own finished signal comes from the worker thread; this one is delivered
  // to the window's thread, after every progress report.
  connect(thread_.get(), &QThread::finished, this, &ThreadWorker::finished, Qt::QueuedConnection);
  thread_->start();
}

}  // namespace pictavo
