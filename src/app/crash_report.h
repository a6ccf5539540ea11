// The crash guard's report process (`pictavo --crash-report CODE ADDRESS`), started by the
// signal handler of the process that crashed: it sends the "AppCrash" report when a service
// address is set (the handler already wrote it to errors.log), tells the user that the
// program stopped and opens the vendor's crash report page.
#pragma once

#include <cstdint>

#include "app/user_prompts.h"

namespace pictavo {

// Returns the process exit code.
int runCrashReport(int code, uintptr_t address, UserPrompts& prompts);

}  // namespace pictavo
