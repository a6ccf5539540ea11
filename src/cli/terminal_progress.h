// The progress of a generation run on the terminal: one line redrawn in place with a bar,
// the pictures done, the percentage and the time left; then how the run ended.
#pragma once

#include <chrono>
#include <mutex>
#include <optional>
#include <string>

#include "video/generation_run.h"

namespace pictavo::cli {

enum class RunEnd { Running, Finished, Cancelled, Failed };

class TerminalProgress : public ProgressObserver {
 public:
  void picture(int number, int total) override;
  void finished() override;
  void cancelled() override;
  void failed(const std::string& message) override;
  void warning(const std::string& message) override;

  RunEnd end() const;

 private:
  void draw(int done, int total);
  // Ends an open progress line (the lock held).
  void closeLine();
  // Takes the lock, ends the progress line, prints `text` on a line of its own and records
  // `end`, when given, as how the run ended.
  void report(const std::string& text, std::optional<RunEnd> end);

  mutable std::mutex mutex_;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  int total_ = 0;
  int lastNumber_ = 0;
  bool lineOpen_ = false;
  RunEnd end_ = RunEnd::Running;
};

// "[#####-----]  50%  5/10  剩余 00:00:12" (GBK); the time left is "--:--:--" before the
// first picture is done.
std::string progressLine(int done, int total, double elapsedSeconds);

}  // namespace pictavo::cli
