// Stand-ins for the external tools in the test's own program folder: a shell script written
// as tool/NAME, which the program then finds before the one on PATH. Each invocation
// appends its arguments as one line to a log. The script and the log go with the object.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace pictavo::test {

class FakeTool {
 public:
  // `body` is sh code run after the invocation is logged. In it, $IN is the argument after
  // the first "-i", $OUT the last argument and $PIDFILE a file to write $$ to.
  FakeTool(const std::string& name, const std::string& body);
  ~FakeTool();
  FakeTool(const FakeTool&) = delete;
  FakeTool& operator=(const FakeTool&) = delete;

  // One line per invocation: its arguments joined by blanks.
  std::vector<std::string> invocations() const;
  const std::string& pidFile() const { return pidFile_; }

 private:
  std::string script_;
  std::string log_;
  std::string pidFile_;
};

// sh code for a stand-in encoder: starts $OUT as an MP4 (file type, movie index, then a
// media box that runs to the end of the file), so that bytes appended after it make a
// complete MP4 for the run's output check.
inline constexpr const char* kStartMp4 =
    "printf '\\000\\000\\000\\020ftypisom\\000\\000\\002\\000"
    "\\000\\000\\000\\010moov\\000\\000\\000\\000mdat' > \"$OUT\"";

// The reports appended to errors.log in the program folder, and a fresh start for it.
std::string errorLogText();
void clearErrorLog();

// The names in the program's temporary folder (to find what a run left behind).
std::set<std::string> tempFolderEntries();

// True while a process of that id exists (a zombie counts as gone).
bool processAlive(int pid);

}  // namespace pictavo::test
