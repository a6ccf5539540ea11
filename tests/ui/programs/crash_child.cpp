// A program that installs the crash guard and then crashes on purpose, for the crash
// guard's test: `pictavo_crash_child REPORT_PROGRAM segv|worker|abort|interrupt [FILE]`.
// FILE is held as an unfinished file first; "interrupt" catches interrupts and raises
// SIGTERM twice, as a second Ctrl+C before the first was handled.
#include <csignal>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "platform/crash_guard.h"
#include "platform/interrupts.h"
#include "platform/unfinished_files.h"

namespace {

void writeThroughNull() {
  // Both volatile: the compiler can neither see the null nor drop the store.
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4 || !pictavo::installCrashGuard(argv[1])) return 2;
  std::string mode = argv[2];
  std::unique_ptr<pictavo::UnfinishedFile> unfinished;
  if (argc == 4) unfinished = std::make_unique<pictavo::UnfinishedFile>(argv[3]);
  if (mode == "abort") std::abort();
  if (mode == "interrupt") {
    pictavo::catchInterrupts();
    std::raise(SIGTERM);
    std::raise(SIGTERM);
  } else if (mode == "worker") {
    std::thread worker(writeThroughNull);
    worker.join();
  } else if (mode == "segv") {
    writeThroughNull();
  }
  return 3;
}
