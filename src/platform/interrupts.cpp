#include "platform/interrupts.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

#include "platform/unfinished_files.h"

namespace pictavo {
namespace {

volatile std::sig_atomic_t gInterrupt = 0;
int gWake[2] = {-1, -1};

void onInterrupt(int signal) {
  if (gInterrupt) {
    removeUnfinishedFiles();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  gInterrupt = signal;
  if (gWake[1] >= 0) {
    int saved = errno;
    char byte = static_cast<char>(signal);
    ssize_t written = ::write(gWake[1], &byte, 1);
    (void)written;  // a full pipe already wakes its reader
    errno = saved;
  }
}

}  // namespace

void catchInterrupts() {
  if (gWake[0] < 0 && ::pipe2(gWake, O_CLOEXEC | O_NONBLOCK) != 0) gWake[0] = gWake[1] = -1;
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, onInterrupt);
}

bool interruptRequested() { return gInterrupt != 0; }

int interruptSignal() { return gInterrupt; }

int interruptWakeFd() { return gWake[0]; }

void clearInterrupt() { gInterrupt = 0; }

}  // namespace pictavo
