// The crash guard: handlers for SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT, installed as the
// first step of start-up. A crash on any thread removes the unfinished files (a video being
// encoded, platform/unfinished_files.h), appends an "AppCrash" report to errors.log,
// starts `<report program> --crash-report CODE ADDRESS` so that a fresh process can tell the
// user, and then ends the process with the signal's default action. The handler runs on an
// alternate stack (for the installing thread) and does only async-signal-safe work:
// everything it needs is prepared when the guard is installed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pictavo {

// Opens errors.log in the program folder for appending (creating the folder when missing),
// notes `reportProgram` (a file-system name; empty starts no report process) and installs
// the handlers. False when the handlers cannot be installed; a log that cannot be opened
// only loses the record.
bool installCrashGuard(const std::string& reportProgram);

// "exceptionCode:0x%x, EIP=0x%lx" of the signal number and the fault address into `out`
// (terminated); returns its length. Async-signal-safe, so the handler and the report
// process write the same text.
size_t formatCrashText(char* out, size_t capacity, int code, uintptr_t address);

// Lower-case hexadecimal digits of `value` without a prefix; async-signal-safe.
size_t formatHex(char* out, size_t capacity, uintptr_t value);

}  // namespace pictavo
