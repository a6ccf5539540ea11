// Shared pieces of the command-line front end: argument parsing, the boundary between the
// terminal's UTF-8 and the program's internal text, and start-up of the core.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pictavo::cli {

// Parsed arguments: options ("--name value" or "--flag") and positional words, in order.
struct Args {
  std::vector<std::string> positional;
  std::multimap<std::string, std::string> options;

  bool has(const std::string& name) const { return options.count(name) > 0; }
  std::optional<std::string> value(const std::string& name) const;
  std::vector<std::string> values(const std::string& name) const;
};

// `flags` are the options that take no value.
Args parseArgs(int argc, char** argv, int first, const std::vector<std::string>& flags);

// Prints internal text as UTF-8 on standard output / standard error, with a line end.
void say(const std::string& gbkText);
void complain(const std::string& gbkText);

// A file-system name from the command line as an absolute internal path; complains and
// returns nothing when the name is not valid UTF-8.
std::optional<std::string> pathArg(const std::string& fsName);

// "WxH" with even sides of at least 2; complains when it is not.
bool parseCanvasSize(const std::string& text, int* width, int* height);

// Starts the image library; complains and returns false when it cannot.
bool startCore();

}  // namespace pictavo::cli
