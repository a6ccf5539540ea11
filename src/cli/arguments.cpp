#include "cli/arguments.h"

#include <algorithm>

namespace pictavo::cli {
namespace {

bool listed(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The option a word names; nothing for a positional word ("-" alone is one, as usual).
// Short options other than -o and -h are unknown, so they keep their dash.
std::optional<std::string> longName(const std::string& word) {
  if (word.size() < 2 || word[0] != '-') return std::nullopt;
  if (word == "-o") return "out";
  if (word == "-h") return "help";
  return word[1] == '-' ? word.substr(2) : word;
}

}  // namespace

std::optional<std::string> Args::value(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

std::vector<std::string> Args::values(const std::string& name) const {
  std::vector<std::string> all;
  for (auto [it, end] = options.equal_range(name); it != end; ++it) all.push_back(it->second);
  return all;
}

std::optional<Args> parseArgs(int argc, char** argv, int first, const KnownOptions& known,
                              std::string* error) {
  Args args;
  bool optionsEnded = false;
  for (int i = first; i < argc; ++i) {
    std::string word = argv[i];
    if (!optionsEnded && word == "--") {
      optionsEnded = true;
      continue;
    }
    auto name = optionsEnded ? std::nullopt : longName(word);
    if (!name) {
      args.positional.push_back(word);
      continue;
    }
    std::optional<std::string> inlineValue;
    if (size_t equals = name->find('='); equals != std::string::npos) {
      inlineValue = name->substr(equals + 1);
      name->resize(equals);
    }
    if (listed(known.flags, *name) || *name == "help") {
      if (inlineValue) {
        *error = "option '--" + *name + "' takes no value";
        return std::nullopt;
      }
      args.options.emplace(*name, std::string());
    } else if (listed(known.values, *name)) {
      if (!inlineValue && i + 1 >= argc) {
        *error = "option '" + word + "' needs a value";
        return std::nullopt;
      }
      args.options.emplace(*name, inlineValue ? *inlineValue : argv[++i]);
    } else {
      *error = "unknown option '" + word + "'";
      return std::nullopt;
    }
  }
  return args;
}

}  // namespace pictavo::cli
