#include "util/command_line.h"

namespace pictavo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view text) {
  std::vector<std::string> arguments;
  size_t i = 0;
  const size_t n = text.size();
  while (true) {
    while (i < n && isBlank(text[i])) ++i;
    if (i >= n) return arguments;
    std::string argument;
    bool quoted = false;
    while (i < n && (quoted || !isBlank(text[i]))) {
      if (text[i] == '\\') {
        size_t backslashes = 0;
        while (i < n && text[i] == '\\') ++backslashes, ++i;
        if (i < n && text[i] == '"') {
          argument.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            argument += '"';
            ++i;
          }
        } else {
          argument.append(backslashes, '\\');
        }
        continue;
      }
      if (text[i] == '"') {
        ++i;
        if (quoted && i < n && text[i] == '"') {
          argument += '"';  // "" inside quotes: a literal quote, and the quoting ends
          ++i;
          quoted = false;
        } else {
          quoted = !quoted;
        }
        continue;
      }
      argument += text[i++];
    }
    arguments.push_back(std::move(argument));
  }
}

bool splitsInto(std::string_view argumentText, const std::vector<std::string>& expected) {
  return splitCommandLine(argumentText) == expected;
}

}  // namespace pictavo
