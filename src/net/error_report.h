// Error reports: technical failures (encoder, cover tool, image-library self-test, list
// icons) under a routine name. With a vendor service address they are sent there; without
// one, or when sending fails, they are appended to errors.log in the program folder
// (platform/error_log.h) so that nothing is lost. Thread-safe; never shows anything.
#pragma once

#include <string>

namespace pictavo {

// `name` and `text` are GBK. Returns true when the report was sent to the service.
bool reportError(const std::string& name, const std::string& text);

}  // namespace pictavo
