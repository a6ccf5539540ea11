#include "video/auto_pause.h"

#include "music/music_length.h"
#include "project/pause_table.h"
#include "video/timeline.h"

namespace pictavo {
namespace {

// Far more steps than any real music needs; a guard against a length that never meets.
constexpr int kMaxSteps = 2'000'000;

class PauseSearch {
 public:
  PauseSearch(Project& project, float music) : project_(project), music_(music) {}

  // Applies pause v and returns the video length it gives, in seconds.
  float apply(float v) {
    project_.settings.applyPauseText(pauseText(v));
    return static_cast<float>(countProjectFrames(project_)) / kFramesPerSecond;
  }

  void upward(float v) {
    float shortfall = 0;
    float length = apply(v);
    for (int step = 0; length < music_ && step < kMaxSteps; ++step) {
      shortfall = music_ - length;
      v = v + 0.01f;
      length = apply(v);
    }
    // Keep the step that comes closer to the music.
    if (length - music_ > shortfall) apply(v - 0.01f);
  }

  void downward(float v) {
    float excess = 0;
    float length = apply(v);
    for (int step = 0; length > music_ && step < kMaxSteps; ++step) {
      excess = length - music_;
      if (v < 0.04f) return;
      v = v - 0.01f;
      if (v <= 0.1f) return;
      length = apply(v);
    }
    if (music_ - length > excess && music_ - length > 3) apply(v + 0.01f);
  }

 private:
  Project& project_;
  float music_;
};

}  // namespace

AutoPause autoPauseTime(Project& project) {
  ProjectSettings& settings = project.settings;
  int n = static_cast<int>(project.pictures.size());
  if (n > 0) {
    float music = totalMusicLength(settings.musicTracks);
    float estimate = (music - 0.8f * static_cast<float>(n)) / static_cast<float>(n);
    PauseSearch search(project, music);
    float length = search.apply(estimate);
    if (estimate < 0.061f) {
      if (length < music) search.upward(0.061f);
    } else if (length < music) {
      search.upward(estimate);
    } else if (estimate > 0.1f) {
      search.downward(estimate);
    }
  }
  return {settings.customPauseText, settings.pauseFrames};
}

}  // namespace pictavo
