// A progress observer for tests: keeps every call, and can cancel the run at a chosen
// picture as the stop button would.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "video/generation_run.h"

namespace pictavo::test {

class RecordingObserver : public ProgressObserver {
 public:
  void picture(int number, int total) override;
  void finished() override { add("finished"); }
  void cancelled() override { add("cancelled"); }
  void failed(const std::string& message) override;
  void warning(const std::string& message) override;

  // Called with the picture number before it is recorded (to cancel at a picture).
  std::function<void(int)> onPicture;

  // "finished", "cancelled", "failed": the end calls in order.
  std::vector<std::string> ends() const;
  std::vector<int> pictures() const;
  int total() const;
  std::string failure() const;
  std::vector<std::string> warnings() const;

 private:
  void add(const std::string& end);
  mutable std::mutex mutex_;
  std::vector<std::string> ends_;
  std::vector<int> pictures_;
  int total_ = 0;
  std::string failure_;
  std::vector<std::string> warnings_;
};

// Checks the project, makes its video at `path` with the default preferences and expects
// the run to start and finish (a test failure otherwise). Returns `path`.
std::string generateVideo(const Project& project, const std::string& path);

}  // namespace pictavo::test
