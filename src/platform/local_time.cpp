#include "platform/local_time.h"

#include <ctime>

namespace pictavo {

std::string localTimeText(const char* format) {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  char text[128];
  size_t length = std::strftime(text, sizeof text, format, &parts);
  return std::string(text, length);
}

}  // namespace pictavo
