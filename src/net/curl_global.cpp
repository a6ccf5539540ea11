#include "net/curl_global.h"

#include <curl/curl.h>

#include <mutex>

namespace pictavo {

void initCurl() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace pictavo
