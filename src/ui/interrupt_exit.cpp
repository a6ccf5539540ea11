#include "ui/interrupt_exit.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <unistd.h>

#include "platform/interrupts.h"
#include "ui/main_window.h"

namespace pictavo {

InterruptExit::InterruptExit(MainWindow& window, std::function<void(int)> leave)
    : QObject(&window), window_(window), leave_(std::move(leave)) {
  if (!leave_) leave_ = [](int signal) { QCoreApplication::exit(128 + signal); };
  catchInterrupts();
  if (interruptWakeFd() < 0) return;
  notifier_ = new QSocketNotifier(interruptWakeFd(), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &InterruptExit::onInterrupt);
}

void InterruptExit::onInterrupt() {
  char bytes[16];
  while (::read(interruptWakeFd(), bytes, sizeof bytes) > 0) {
  }
  if (!interruptRequested()) return;
  window_.stopForInterrupt();
  leave_(interruptSignal());
}

}  // namespace pictavo
