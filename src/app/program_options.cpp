#include "app/program_options.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace pictavo {
namespace {

// "0x..." (or plain) hexadecimal, the whole text.
bool parseHex(const std::string& text, uintptr_t* value) {
  std::string_view digits = text;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
    digits.remove_prefix(2);
  if (digits.empty()) return false;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), *value, 16);
  return error == std::errc() && end == digits.data() + digits.size();
}

ProgramOptions wrong(std::string problem) {
  ProgramOptions options;
  options.mode = ProgramOptions::Mode::Wrong;
  options.problem = std::move(problem);
  return options;
}

ProgramOptions crashReport(const std::vector<std::string>& arguments, size_t at) {
  uintptr_t code = 0, address = 0;
  if (arguments.size() != at + 3 || !parseHex(arguments[at + 1], &code) ||
      !parseHex(arguments[at + 2], &address) || code > 0xffff)
    return wrong("--crash-report needs CODE and ADDRESS in hexadecimal");
  ProgramOptions options;
  options.mode = ProgramOptions::Mode::CrashReport;
  options.crashCode = static_cast<int>(code);
  options.crashAddress = address;
  return options;
}

}  // namespace

ProgramOptions parseProgramOptions(const std::vector<std::string>& arguments) {
  ProgramOptions options;
  bool optionsEnded = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
      options.mode = ProgramOptions::Mode::Help;
      return options;
    } else if (!optionsEnded && argument == "--version") {
      options.mode = ProgramOptions::Mode::Version;
      return options;
    } else if (!optionsEnded && argument == "--crash-report") {
      return crashReport(arguments, i);
    } else if (!optionsEnded && argument == "--demo") {
      options.demo = true;
    } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      return wrong("unknown option '" + argument + "'");
    } else if (!options.projectPath.empty()) {
      return wrong("only one project can be opened");
    } else if (argument.empty()) {
      return wrong("the project's name is empty");
    } else {
      options.projectPath = argument;
    }
  }
  if (options.demo && !options.projectPath.empty())
    return wrong("--demo and a project cannot be opened together");
  return options;
}

ProgramOptions::Mode helpOrVersionAsked(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) break;
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
      return ProgramOptions::Mode::Help;
    if (std::strcmp(argv[i], "--version") == 0) return ProgramOptions::Mode::Version;
  }
  return ProgramOptions::Mode::Window;
}

bool windowSystemAvailable(int argc, char** argv) {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0 ||
        std::strncmp(argv[i], "-platform=", 10) == 0 || std::strncmp(argv[i], "--platform=", 11) == 0)
      return true;
  }
  return false;
}

std::string programUsage() {
  return "usage: pictavo [PROJECT.dat]\n"
         "       pictavo --demo\n"
         "       pictavo --help | --version\n"
         "\n"
         "Opens the Pictavo window, with the project PROJECT.dat when one is given, or with\n"
         "the built-in demo pictures as a new, unsaved project (--demo).\n";
}

}  // namespace pictavo
