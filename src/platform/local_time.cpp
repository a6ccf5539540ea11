#include "platform/local_time.h"

#include <ctime>

namespace pictavo {

std::string localTimeText(const char* format) { return localTimeText(format, std::time(nullptr)); }

std::string localTimeText(const char* format, std::time_t when) {
  std::tm parts{};
  localtime_r(&when, &parts);
  char text[128];
  size_t length = std::strftime(text, sizeof text, format, &parts);
  return std::string(text, length);
}

}  // namespace pictavo
