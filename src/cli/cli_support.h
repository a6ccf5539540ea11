// Shared pieces of the command-line front end: the boundary between the terminal's UTF-8
// and the program's GBK, and start-up of the core.
#pragma once

#include <optional>
#include <string>

#include "cli/arguments.h"

namespace pictavo::cli {

// Prints GBK text as UTF-8 on standard output / standard error, with a line end.
void say(const std::string& gbkText);
void complain(const std::string& gbkText);

// A file-system name from the command line as an absolute GBK path; complains and returns
// nothing when GBK cannot hold it.
std::optional<std::string> gbkPathArg(const std::string& fsName);

// "WxH" with even sides of at least 2; complains when it is not.
bool parseCanvasSize(const std::string& text, int* width, int* height);

// Starts the image library; complains and returns false when it cannot.
bool startCore();

}  // namespace pictavo::cli
