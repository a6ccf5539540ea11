// The vendor's web address, a deployment value: $PICTAVO_SERVICE_URL, empty by default.
#pragma once

#include <string>

namespace pictavo {

std::string vendorWebsite();

}  // namespace pictavo
