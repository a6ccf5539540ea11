// The window program's command line: `pictavo [PROJECT.dat]`, `pictavo --demo`,
// `pictavo --help`, `pictavo --version`, and the crash guard's report process
// `pictavo --crash-report CODE ADDRESS`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pictavo {

struct ProgramOptions {
  enum class Mode { Window, Help, Version, CrashReport, Wrong };
  Mode mode = Mode::Window;
  bool demo = false;        // load the built-in demo pictures as an unsaved project
  std::string projectPath;  // file-system name of the project to open; "" for none
  int crashCode = 0;        // --crash-report: the signal number
  uintptr_t crashAddress = 0;
  std::string problem;      // Mode::Wrong: what is wrong with the command line
};

// Reads the arguments after the program name (the toolkit's own options already removed).
ProgramOptions parseProgramOptions(const std::vector<std::string>& arguments);

// Mode::Help or Mode::Version when an argument asks for it (whatever else is there), else
// Mode::Window: answered before the window system starts, so that it works without a display.
ProgramOptions::Mode helpOrVersionAsked(int argc, char** argv);

// True when the window system has somewhere to show the window: DISPLAY or WAYLAND_DISPLAY
// set, a platform chosen by QT_QPA_PLATFORM, or a -platform option among the arguments.
// Without one the toolkit would abort at start; the program says so instead.
bool windowSystemAvailable(int argc, char** argv);

// The usage text, ending with a line break.
std::string programUsage();

}  // namespace pictavo
