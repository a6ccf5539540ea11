// Finds the beats of music tracks in the background (decoding and tracking take about a
// second per track): the window goes on while it runs, and the beats are kept by file
// identity, where the music list, the preview and the video find them.
#pragma once

#include <string>
#include <vector>

#include "ui/workers/task.h"

namespace pictavo {

class BeatAnalysisTask : public Task {
  Q_OBJECT

 public:
  explicit BeatAnalysisTask(std::vector<std::string> paths, QObject* parent = nullptr);
  ~BeatAnalysisTask() override;

 protected:
  void run() override;

 private:
  std::vector<std::string> paths_;
};

}  // namespace pictavo
