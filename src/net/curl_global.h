// libcurl's process-wide start, made once before the first handle (thread-safe).
#pragma once

namespace pictavo {

void initCurl();

}  // namespace pictavo
