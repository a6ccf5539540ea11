// One long job of the window: opening a project, analysing tracks, importing GIF frames or
// product pictures, previewing and generating the video. A task is written once and shown either way:
//
//   class BeatTask : public Task {
//     ~BeatTask() override { stopAndWait(); }
//     void run() override {  // on the task's own thread; never touches a widget
//       for (int i = 0; i < n && !isCancelled(); ++i) { reportProgress(i + 1, n); ... }
//     }
//   };
//   BeatTask task(...);
//   runModal(task, window, tr("分析中..."));  // the window waits behind a progress dialog
//   // or task.start() and connect `statusChanged` and `finished`: the window goes on
//
// Progress, status text and the end reach the window's thread as queued signals, and
// `finished` comes last. A subclass calls stopAndWait() in its destructor, before the
// members its work uses are gone.
#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

class QDialog;
class QWidget;

namespace pictavo {

class Task : public QObject {
  Q_OBJECT

 public:
  explicit Task(QObject* parent = nullptr) : QObject(parent) {}
  ~Task() override;

  // Checks what can be refused before any work (prepare) and starts run() on a thread of
  // its own. False, with the reason for the user in error(), when it cannot start.
  bool start();
  // Asks the work to stop; it still ends with `finished`. Any thread.
  void cancel();
  bool isCancelled() const { return cancelled_.load(); }
  // Until run() has returned (`finished` may still be on its way).
  void wait();
  // From a successful start until `finished` has been delivered.
  bool isRunning() const { return running_; }
  // Why the work failed (or could not start); empty when it did not.
  QString error() const;

 signals:
  void progress(int number, int total);
  void statusChanged(const QString& text);
  void finished();

 protected:
  // On the window's thread, before the thread starts; false (after fail()) refuses the start.
  virtual bool prepare() { return true; }
  // The work, on the task's thread.
  virtual void run() = 0;
  // cancel() tells work that runs elsewhere (a run with a thread of its own) to stop.
  virtual void stopRequested() {}

  void reportProgress(int number, int total) { emit progress(number, total); }
  void reportStatus(const QString& text) { emit statusChanged(text); }
  void fail(const QString& message);
  // Cancels and waits for the thread.
  void stopAndWait();

 private:
  std::thread thread_;
  std::atomic<bool> cancelled_{false};
  bool running_ = false;
  mutable std::mutex errorMutex_;
  QString error_;
};

// Runs `task` while `window` takes no input and returns when it has finished. Work that
// lasts shows a progress dialog labelled `label` whose "取消" cancels it. False when the
// task could not start (the reason in task.error()).
bool runModal(Task& task, QWidget* window, const QString& label);

// Waits for a started task while `window` takes no input and `dialog` (which the caller has
// connected to the task) is the one part of it that does.
void waitModal(Task& task, QWidget* window, QDialog& dialog);

}  // namespace pictavo
