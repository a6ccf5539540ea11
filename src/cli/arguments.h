// The command line of one pictavo-cli command: its options, checked against the ones the
// command knows, and its positional words.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pictavo::cli {

// The options a command knows, by long name without "--".
struct KnownOptions {
  std::vector<std::string> values;  // take a value: "--name value" or "--name=value"
  std::vector<std::string> flags;   // take none
};

// Parsed arguments: options and positional words, in order.
struct Args {
  std::vector<std::string> positional;
  std::multimap<std::string, std::string> options;

  bool has(const std::string& name) const { return options.count(name) > 0; }
  std::optional<std::string> value(const std::string& name) const;
  std::vector<std::string> values(const std::string& name) const;
};

// Parses argv[first..]. "-o" stands for "--out", "-h" for "--help" (a flag every command
// knows), and "--" ends the options. A value option takes the next word whatever it is, so
// "--pause -1" reaches the command's own check. Nothing when an option is unknown, lacks its
// value or is a flag given a value; `error` then says which, in English.
std::optional<Args> parseArgs(int argc, char** argv, int first, const KnownOptions& known,
                              std::string* error);

}  // namespace pictavo::cli
