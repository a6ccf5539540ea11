#include "platform/system_info.h"

#include <sys/utsname.h>

namespace pictavo {

std::string systemVersion() {
  utsname name{};
  if (::uname(&name) != 0) return "unknown";
  return std::string(name.sysname) + " " + name.release + " " + name.machine;
}

}  // namespace pictavo
