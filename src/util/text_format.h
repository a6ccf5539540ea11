// printf-style formatting into a std::string. Format texts may be GBK: no GBK trail byte
// is ever a '%', so the conversions work byte for byte.
#pragma once

#include <string>

namespace pictavo {

std::string strprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace pictavo
