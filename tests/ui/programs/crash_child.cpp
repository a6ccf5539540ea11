// A program that installs the crash guard and then crashes on purpose, for the crash
// guard's test: `pictavo_crash_child REPORT_PROGRAM segv|worker|abort`.
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/crash_guard.h"

namespace {

void writeThroughNull() {
  // Both volatile: the compiler can neither see the null nor drop the store.
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || !pictavo::installCrashGuard(argv[1])) return 2;
  std::string mode = argv[2];
  if (mode == "abort") std::abort();
  if (mode == "worker") {
    std::thread worker(writeThroughNull);
    worker.join();
  } else if (mode == "segv") {
    writeThroughNull();
  }
  return 3;
}
