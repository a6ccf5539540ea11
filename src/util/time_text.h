// A length in seconds as the clock text shown for videos and music: "00:00:ss" below a
// minute, "00:mm:ss" below an hour, else "hh:mm:ss". Fractions of a second are dropped.
#pragma once

#include <string>

namespace pictavo {

// Negative or not-a-number lengths read as 0.
std::string timeText(double seconds);

}  // namespace pictavo
