#include "platform/crash_guard.h"

#include <signal.h>
#include <ucontext.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <ctime>

#include "platform/error_log.h"
#include "platform/unfinished_files.h"

namespace pictavo {
namespace {

constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Everything the handler uses, prepared by installCrashGuard.
int gLogFd = -1;
long gUtcOffsetSeconds = 0;  // local time minus UTC when the guard was installed
char gReportProgram[4096] = "";
std::atomic<bool> gCrashing{false};
alignas(16) char gAlternateStack[64 * 1024];

// A small append-only text buffer that never allocates.
struct Text {
  char* out;
  size_t capacity;
  size_t length = 0;

  void add(const char* text) {
    while (*text && length + 1 < capacity) out[length++] = *text++;
    out[length] = '\0';
  }
  void addNumber(long value, int width) {
    char digits[24];
    int n = 0;
    do {
      digits[n++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value > 0 && n < 23);
    while (n < width && n < 23) digits[n++] = '0';
    char text[24];
    for (int i = 0; i < n; ++i) text[i] = digits[n - 1 - i];
    text[n] = '\0';
    add(text);
  }
};

// "YYYY-MM-DD HH:MM:SS" of the local time, as errors.log stamps its entries; the civil date
// is computed by hand because localtime is not async-signal-safe.
void addTimeStamp(Text& text) {
  long long seconds = static_cast<long long>(time(nullptr)) + gUtcOffsetSeconds;
  long long days = seconds / 86400, ofDay = seconds % 86400;
  if (ofDay < 0) {
    ofDay += 86400;
    --days;
  }
  days += 719468;  // days from 0000-03-01 to 1970-01-01
  long long era = (days >= 0 ? days : days - 146096) / 146097;
  long long dayOfEra = days - era * 146097;
  long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  long long monthIndex = (5 * dayOfYear + 2) / 153;
  long long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  long long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  text.addNumber(static_cast<long>(year), 4);
  text.add("-");
  text.addNumber(static_cast<long>(month), 2);
  text.add("-");
  text.addNumber(static_cast<long>(day), 2);
  text.add(" ");
  text.addNumber(static_cast<long>(ofDay / 3600), 2);
  text.add(":");
  text.addNumber(static_cast<long>(ofDay / 60 % 60), 2);
  text.add(":");
  text.addNumber(static_cast<long>(ofDay % 60), 2);
}

// The address of the instruction that faulted, as the report's "EIP"; the data address the
// system gives where the context has no instruction pointer.
uintptr_t faultAddress(const siginfo_t* info, void* context) {
  const auto* uc = static_cast<const ucontext_t*>(context);
#if defined(__x86_64__)
  if (uc) return static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_RIP]);
#elif defined(__i386__)
  if (uc) return static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_EIP]);
#elif defined(__aarch64__)
  if (uc) return static_cast<uintptr_t>(uc->uc_mcontext.pc);
#else
  (void)uc;
#endif
  return reinterpret_cast<uintptr_t>(info ? info->si_addr : nullptr);
}

void writeLogEntry(int signal, uintptr_t address) {
  if (gLogFd < 0) return;
  char buffer[256];
  Text entry{buffer, sizeof buffer};
  addTimeStamp(entry);
  entry.add(" AppCrash\n");
  char crash[96];
  formatCrashText(crash, sizeof crash, signal, address);
  entry.add(crash);
  entry.add("\n\n");
  // One write with O_APPEND keeps the entry whole beside other writers of the log.
  ssize_t written = write(gLogFd, buffer, entry.length);
  (void)written;
}

// A fresh `program --crash-report CODE ADDRESS`, not waited for: it outlives this process.
void startReportProcess(int signal, uintptr_t address) {
  if (!gReportProgram[0]) return;
  static char code[24] = "0x", where[24] = "0x";
  formatHex(code + 2, sizeof code - 2, static_cast<uintptr_t>(signal));
  formatHex(where + 2, sizeof where - 2, address);
  static char option[] = "--crash-report";
  char* argv[] = {gReportProgram, option, code, where, nullptr};
  pid_t child = _Fork();
  if (child != 0) return;
  // Nothing of the crashed process stays open in the report process: a pipe to the encoder
  // must reach its end when the crashed process goes.
  if (close_range(3, ~0U, 0) != 0) {
    for (int fd = 3; fd < 65536; ++fd) close(fd);
  }
  // The handler runs with the crash signal blocked, and a new program keeps the mask.
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  execv(gReportProgram, argv);
  _exit(127);
}

void onCrash(int signal, siginfo_t* info, void* context) {
  // The first crash is reported; one on another thread meanwhile just ends the process.
  if (!gCrashing.exchange(true)) {
    removeUnfinishedFiles();
    uintptr_t address = faultAddress(info, context);
    writeLogEntry(signal, address);
    startReportProcess(signal, address);
  }
  // SA_RESETHAND restored the default action; the signal stays blocked until the handler
  // returns, and then ends the process (a faulting instruction would also fault again).
  raise(signal);
}

void noteUtcOffset() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local)) gUtcOffsetSeconds = local.tm_gmtoff;
}

void openLog() { gLogFd = openErrorLogForAppend(); }

}  // namespace

size_t formatHex(char* out, size_t capacity, uintptr_t value) {
  if (capacity == 0) return 0;
  char digits[2 * sizeof value];
  size_t n = 0;
  do {
    digits[n++] = "0123456789abcdef"[value & 0xf];
    value >>= 4;
  } while (value != 0);
  size_t length = 0;
  while (n > 0 && length + 1 < capacity) out[length++] = digits[--n];
  out[length] = '\0';
  return length;
}

size_t formatCrashText(char* out, size_t capacity, int code, uintptr_t address) {
  Text text{out, capacity};
  char hex[24];
  text.add("exceptionCode:0x");
  formatHex(hex, sizeof hex, static_cast<uintptr_t>(code));
  text.add(hex);
  text.add(", EIP=0x");
  formatHex(hex, sizeof hex, address);
  text.add(hex);
  return text.length;
}

bool installCrashGuard(const std::string& reportProgram) {
  noteUtcOffset();
  openLog();
  if (reportProgram.size() < sizeof gReportProgram)
    std::memcpy(gReportProgram, reportProgram.c_str(), reportProgram.size() + 1);

  stack_t stack{};
  stack.ss_sp = gAlternateStack;
  stack.ss_size = sizeof gAlternateStack;
  sigaltstack(&stack, nullptr);  // without it the handler still runs on the thread's stack

  struct sigaction action {};
  action.sa_sigaction = onCrash;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  bool installed = true;
  for (int signal : kCrashSignals) installed = sigaction(signal, &action, nullptr) == 0 && installed;
  return installed;
}

}  // namespace pictavo
