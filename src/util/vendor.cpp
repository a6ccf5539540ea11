#include "util/vendor.h"

#include <cstdlib>

namespace pictavo {

std::string vendorWebsite() {
  const char* url = std::getenv("PICTAVO_SERVICE_URL");
  return url ? url : "";
}

}  // namespace pictavo
