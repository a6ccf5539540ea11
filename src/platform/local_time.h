// The current local time as text, for time-stamped file names.
#pragma once

#include <ctime>
#include <string>

namespace pictavo {

// The current local time formatted with strftime's `format` (ASCII).
std::string localTimeText(const char* format);

// The local time of `when` formatted likewise.
std::string localTimeText(const char* format, std::time_t when);

}  // namespace pictavo
