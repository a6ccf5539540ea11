// SIGTERM, SIGINT and SIGHUP end the window program cleanly instead of killing it mid-run:
// loading pictures and a generation run are stopped (a run removes the video it had not
// finished as it ends), and then, by default, every event loop is left with the exit status
// 128 + the signal, so that what runs unwinds and main removes the work folder. A second
// signal before the first was handled ends the process at once, after removing the
// unfinished video (platform/interrupts.h).
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace pictavo {

class MainWindow;

class InterruptExit : public QObject {
  Q_OBJECT

 public:
  // Installs the signal handlers. `leave` runs after the stop was asked for; the default
  // ends the event loops.
  explicit InterruptExit(MainWindow& window, std::function<void(int signal)> leave = {});

 private:
  void onInterrupt();

  MainWindow& window_;
  std::function<void(int)> leave_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace pictavo
