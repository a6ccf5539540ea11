// Where the video folder sends technical failures (encoder, cover tool) under a routine
// name. The caller chooses: the command line installs the network error reporter, which
// sends to the vendor service; the default appends to errors.log in the program folder.
#pragma once

#include <functional>
#include <string>

#include "platform/error_log.h"

namespace pictavo {

// `name` and `text` are GBK. Called from the generation worker thread.
using ErrorReporter = std::function<void(const std::string& name, const std::string& text)>;

}  // namespace pictavo
