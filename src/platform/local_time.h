// The current local time as text, for time-stamped file names.
#pragma once

#include <string>

namespace pictavo {

// The current local time formatted with strftime's `format` (ASCII).
std::string localTimeText(const char* format);

}  // namespace pictavo
