#include "util/time_text.h"

#include <climits>

#include "util/text_format.h"

namespace pictavo {

std::string timeText(double seconds) {
  int whole = 0;
  if (seconds >= INT_MAX)
    whole = INT_MAX;
  else if (seconds > 0)
    whole = static_cast<int>(seconds);
  if (whole < 60) return strprintf("00:00:%02d", whole);
  if (whole < 3600) return strprintf("00:%02d:%02d", whole / 60, whole % 60);
  return strprintf("%02d:%02d:%02d", whole / 3600, whole / 60 % 60, whole % 60);
}

}  // namespace pictavo
