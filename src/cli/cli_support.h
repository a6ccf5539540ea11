// Shared pieces of the command-line front end: the boundary between the terminal's UTF-8
// and the program's internal text, and start-up of the core.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cli/arguments.h"

namespace pictavo::cli {

// Prints internal text as UTF-8 on standard output / standard error, with a line end.
void say(const std::string& gbkText);
void complain(const std::string& gbkText);

// A file-system name from the command line as an absolute internal path; complains and
// returns nothing when the name is not valid UTF-8.
std::optional<std::string> pathArg(const std::string& fsName);

// Runs `check` on each positional argument as a path (check returns false for a file it
// could not read); returns how many names were not valid or not read.
int countFailedFiles(const Args& args, const std::function<bool(const std::string& path)>& check);

// "WxH" with even sides of at least 2; complains when it is not.
bool parseCanvasSize(const std::string& text, int* width, int* height);

// Starts the image library; complains and returns false when it cannot.
bool startCore();

}  // namespace pictavo::cli
