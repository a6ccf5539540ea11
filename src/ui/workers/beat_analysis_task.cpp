#include "ui/workers/beat_analysis_task.h"

#include "music/beat_cache.h"

namespace pictavo {

BeatAnalysisTask::BeatAnalysisTask(std::vector<std::string> paths, QObject* parent)
    : Task(parent), paths_(std::move(paths)) {}

BeatAnalysisTask::~BeatAnalysisTask() { stopAndWait(); }

void BeatAnalysisTask::run() {
  const int total = static_cast<int>(paths_.size());
  for (int i = 0; i < total && !isCancelled(); ++i) {
    reportProgress(i + 1, total);
    trackBeatsOf(paths_[i]);
  }
}

}  // namespace pictavo
