// printf-style formatting into a std::string. Format texts may be internal (GB18030) text:
// no byte inside a two- or four-byte character is ever a '%', so the conversions work byte
// for byte.
#pragma once

#include <cstdarg>
#include <string>

namespace pictavo {

std::string strprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string vstrprintf(const char* format, va_list args);

}  // namespace pictavo
