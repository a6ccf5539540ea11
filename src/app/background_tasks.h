// The two background tasks of start-up: the sample-music downloader and the remote-settings
// reader. They touch only their own data and the shared service settings; a valid audio bit
// rate from the remote settings is handed to the main thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace pictavo {

class BackgroundTasks {
 public:
  BackgroundTasks() = default;
  // Joins the tasks when they have ended; otherwise leaves them running (see waitUntilDone).
  ~BackgroundTasks();
  BackgroundTasks(const BackgroundTasks&) = delete;
  BackgroundTasks& operator=(const BackgroundTasks&) = delete;

  // Starts both tasks; false when the system cannot start a thread. `audioBitRate` is called
  // on the main thread (queued to the application object) when the remote settings carry a
  // valid audio bit rate.
  bool start(std::function<void(int kbitPerSecond)> audioBitRate);

  // Waits up to `limit` for both tasks to end. False when one is still waiting on the
  // network: the program then ends without running static destructors under it.
  bool waitUntilDone(std::chrono::milliseconds limit);

 private:
  // Shared with the tasks, so that a task left running never reaches a destroyed object.
  struct Progress {
    std::mutex mutex;
    std::condition_variable ended;
    int running = 0;
    void finishedOne();
  };

  std::shared_ptr<Progress> progress_ = std::make_shared<Progress>();
  std::thread music_;
  std::thread settings_;
};

}  // namespace pictavo
