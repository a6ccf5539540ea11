// Base of the workers that run one piece of core work on a thread of their own. The work
// never touches a widget: it reports through signals, which reach the window's thread
// queued. Results are read after `finished`.
#pragma once

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>

namespace pictavo {

class ThreadWorker : public QObject {
  Q_OBJECT

 public:
  explicit ThreadWorker(QObject* parent = nullptr) : QObject(parent) {}
  // Asks the work to stop and waits for its thread.
  ~ThreadWorker() override;

  void start();
  void cancel() { cancelled_.store(true); }
  bool isCancelled() const { return cancelled_.load(); }

 signals:
  void progress(int number, int total);
  void finished();

 protected:
  // Runs on the worker's thread.
  virtual void run() = 0;
  // Cancels and waits for the thread; every subclass calls it from its destructor, before
  // the members the work uses are gone.
  void stopAndWait();

 private:
  std::unique_ptr<QThread> thread_;
  std::atomic<bool> cancelled_{false};
};

}  // namespace pictavo
