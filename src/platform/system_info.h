// A description of the operating system for error reports.
#pragma once

#include <string>

namespace pictavo {

// "sysname release machine", e.g. "Linux 6.1.0-18-amd64 x86_64"; "unknown" when unavailable.
std::string systemVersion();

}  // namespace pictavo
