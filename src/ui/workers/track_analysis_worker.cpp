#include "ui/workers/track_analysis_worker.h"

#include "music/mp3_analysis.h"
#include "util/paths.h"

namespace pictavo {

TrackAnalysisWorker::TrackAnalysisWorker(std::vector<std::string> paths) : paths_(std::move(paths)) {}

TrackAnalysisWorker::~TrackAnalysisWorker() { stopAndWait(); }

void TrackAnalysisWorker::run() {
  const int total = static_cast<int>(paths_.size());
  for (int i = 0; i < total && !isCancelled(); ++i) {
    emit progress(i + 1, total);
    MusicTrack track{paths_[i], 0, 0};
    track.durationMs = analyseMp3(track.path, &track.sampleRate);
    if (track.durationMs > 0 && endsWithNoCase(track.path, ".mp3")) tracks_.push_back(track);
  }
}

}  // namespace pictavo
