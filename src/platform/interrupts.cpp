#include "platform/interrupts.h"

#include <csignal>
#include <initializer_list>

namespace pictavo {
namespace {

volatile std::sig_atomic_t gInterrupt = 0;

void onInterrupt(int signal) {
  if (gInterrupt) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  gInterrupt = signal;
}

}  // namespace

void catchInterrupts() {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, onInterrupt);
}

bool interruptRequested() { return gInterrupt != 0; }

int interruptSignal() { return gInterrupt; }

}  // namespace pictavo
