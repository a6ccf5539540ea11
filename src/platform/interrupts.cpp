#include "platform/interrupts.h"

#include <csignal>

namespace pictavo {
namespace {

volatile std::sig_atomic_t gInterrupted = 0;

void onInterrupt(int signal) {
  if (gInterrupted) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  gInterrupted = 1;
}

}  // namespace

void catchInterrupts() {
  std::signal(SIGINT, onInterrupt);
  std::signal(SIGTERM, onInterrupt);
}

bool interruptRequested() { return gInterrupted != 0; }

}  // namespace pictavo
