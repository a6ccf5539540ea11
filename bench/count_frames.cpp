// Counting-mode speed: how long the timeline takes to count the frames of a 1000-picture
// project (the automatic pause time recounts it for every 0.01 s step), and one automatic
// pause search over it. Prints one figure per line.
#include <chrono>
#include <cstdio>

#include "effects/effect_names.h"
#include "video/auto_pause.h"
#include "video/timeline.h"

using namespace pictavo;

int main() {
  Project project;
  project.settings.width = 1280;
  project.settings.height = 720;
  project.settings.selectPause(21);
  const std::vector<int>& effects = effectIndices();
  for (int i = 0; i < kMaxPictures; ++i) {
    ImageItem item;
    item.setEffect(i == 0 ? kNoAnimation : effects[i % effects.size()]);
    project.pictures.push_back(item);
  }
  using Clock = std::chrono::steady_clock;
  const int rounds = 200;
  int frames = 0;
  auto start = Clock::now();
  for (int r = 0; r < rounds; ++r) frames = countProjectFrames(project);
  double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
  std::printf("pictures %d\n", kMaxPictures);
  std::printf("frames %d\n", frames);
  std::printf("count_ms_per_project %.3f\n", us / rounds / 1000.0);
  std::printf("count_us_per_picture %.3f\n", us / rounds / kMaxPictures);

  // Music 30 minutes longer than the pictures at the default pause: a long upward search.
  project.settings.musicTracks.push_back({"a.mp3", (frames / 25.0f + 1800.0f) * 1000.0f, 44100});
  start = Clock::now();
  AutoPause pause = autoPauseTime(project);
  double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  std::printf("auto_pause_frames %d\n", pause.frames);
  std::printf("auto_pause_ms %.1f\n", ms);
  return 0;
}
