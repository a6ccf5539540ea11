// A child process with a thread of its own that waits for its end and reports it once,
// unless the owner ended the child first. For children that run while the program goes
// on (a music player, a program opening a file), not for those a caller waits for.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/child_process.h"

namespace pictavo {

// How long a child asked to end (SIGTERM) may take before it is killed.
inline constexpr int kEndGraceMs = 500;

class WatchedChild {
 public:
  // Called on the watching thread with the exit code (128 + signal when a signal ended it)
  // and the start of its standard error. It must not call back into this object.
  using EndHandler = std::function<void(int exitCode, const std::string& errorOutput)>;

  // Null when the program cannot be started; `error` then says why.
  static std::unique_ptr<WatchedChild> start(const SpawnRequest& request, EndHandler onEnd,
                                             std::string* error);
  ~WatchedChild();
  WatchedChild(const WatchedChild&) = delete;
  WatchedChild& operator=(const WatchedChild&) = delete;

  pid_t id() const { return child_->id(); }

  // Stops and continues the child (and its process group).
  void suspend();
  void resume();

  // Ends the child unless it has ended, and reaps it: a stopped child is continued first,
  // as it would not act on SIGTERM; one that has not ended after `graceMs` is killed. No
  // end is reported once this has begun.
  void end(int graceMs = kEndGraceMs);

 private:
  WatchedChild() = default;
  void watch(EndHandler onEnd);

  std::unique_ptr<ChildProcess> child_;
  std::thread watcher_;
  std::mutex mutex_;
  bool ending_ = false;
};

}  // namespace pictavo
