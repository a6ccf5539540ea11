// Measures chosen music files (duration and sample rate from their MP3 frames) on its own
// thread: a long file is read whole and walked frame by frame.
#pragma once

#include <string>
#include <vector>

#include "project/project_model.h"
#include "ui/workers/task.h"

namespace pictavo {

class TrackAnalysisWorker : public Task {
  Q_OBJECT

 public:
  explicit TrackAnalysisWorker(std::vector<std::string> paths);
  ~TrackAnalysisWorker() override;

  // The usable tracks in the order chosen: a duration above 0 and a name ending in ".mp3".
  const std::vector<MusicTrack>& tracks() const { return tracks_; }

 protected:
  void run() override;

 private:
  std::vector<std::string> paths_;
  std::vector<MusicTrack> tracks_;
};

}  // namespace pictavo
