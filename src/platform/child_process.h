// Child processes started from an argument vector (never through a shell): standard input
// from a pipe or /dev/null, standard output to /dev/null, standard error into a pipe that a
// thread drains while the child runs, keeping the first bytes for the error report. The
// child gets a process group of its own, so a Ctrl+C on the terminal reaches only us, and
// it is killed when the program ends in any way, SIGKILL included. For that every child is
// forked on the one spawning thread (platform/spawn_thread.h), never on the caller's: a
// child may be spawned from any thread, also from a worker that ends before the child.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pictavo {

struct SpawnRequest {
  std::string program;                 // file-system name of the executable
  std::vector<std::string> arguments;  // after the program name (UTF-8)
  std::string workingFolder;           // file-system name; empty keeps ours
  bool pipeInput = false;              // standard input from a pipe we write, else /dev/null
};

// Bytes of standard error kept for the report; the rest is read and dropped.
inline constexpr size_t kKeptErrorBytes = 4096;

class ChildProcess {
 public:
  // Null when the pipes cannot be made or the program cannot be started; `error` then says
  // which call failed and why, e.g. "execve() failed with error 2 (No such file...)".
  static std::unique_ptr<ChildProcess> spawn(const SpawnRequest& request, std::string* error);

  // Closes our end of its input; a child still running is killed and reaped.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t id() const { return pid_; }

  // The write end of the child's standard input (-1 when it has none or it was closed).
  int inputFd() const { return inputFd_; }
  // Closing the input is the end-of-input signal for the child.
  void closeInput();

  // The exit code once the child has ended (128 + the signal number when a signal ended
  // it), waiting at most `milliseconds`; nothing while it still runs.
  std::optional<int> waitFor(int milliseconds);
  int wait();

  // Waits for the end like wait(), unless `*cancel` becomes true: the child then has
  // `graceMs` to end by itself, is asked to end (SIGTERM), and after as long again killed.
  int waitUnlessCancelled(const std::atomic<bool>* cancel, int graceMs);

  // Asks the child (and its process group) to end, or ends it at once. Nothing happens
  // once it has been reaped.
  void terminate();
  void kill();
  // Any other signal to the child and its process group (SIGSTOP, SIGCONT for players).
  void sendSignal(int signal);

  // The first kKeptErrorBytes of its standard error. Complete once the child has ended:
  // the call then waits up to a second for the pipe to reach its end.
  std::string errorOutput();

 private:
  struct Drain;
  ChildProcess() = default;
  void signalGroup(int signal);

  pid_t pid_ = -1;
  int inputFd_ = -1;
  std::optional<int> exitCode_;
  std::unique_ptr<Drain> drain_;
  struct Guard;
  std::unique_ptr<Guard> guard_;
};

// The program's file-system name when `name` names an executable file in one of the
// folders of PATH; nothing otherwise.
std::optional<std::string> findOnPath(const std::string& name);

// True when the file-system name is an executable regular file.
bool isExecutableFile(const std::string& fsName);

// The absolute form of a file-system name (relative to the current folder); the name as it
// is when the current folder cannot be read.
std::string absoluteFsName(const std::string& fsName);

}  // namespace pictavo
