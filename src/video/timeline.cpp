#include "video/timeline.h"

#include <algorithm>

#include "effects/effect_names.h"
#include "music/music_length.h"
#include "project/pause_table.h"
#include "video/picture_preparation.h"

namespace pictavo {
namespace {

// The picture at position `index` of pass `pass` (0-based): on later passes a first picture
// with "无动画" comes in with the loop-start effect.
ImageItem pictureOfPass(const Project& project, size_t index, int pass, int loopStartEffect) {
  ImageItem item = project.pictures[index];
  if (pass > 0 && index == 0 && item.animationIndex == kNoAnimation && loopStartEffect != kNoAnimation)
    item.setEffect(loopStartEffect);
  return item;
}

// The same with its motion settled for its place `shown` (from 0) in the show.
ImageItem pictureShown(const Project& project, size_t index, int pass, int loopStartEffect,
                       int shown) {
  ImageItem item = pictureOfPass(project, index, pass, loopStartEffect);
  item.motion = static_cast<int>(shownMotion(project.settings, item, shown));
  return item;
}

}  // namespace

int countProjectFrames(const Project& project) {
  DispatchContext context = countingContextFor(project);
  int total = 0;
  for (const ImageItem& item : project.pictures) total += pictureFrames(context, item);
  return total;
}

int videoLength(const Project& project, int loopStartEffect, float* seconds) {
  int pictureCount = static_cast<int>(project.pictures.size());
  float music = totalMusicLength(project.settings.musicTracks);
  int onePass = countProjectFrames(project);
  *seconds = static_cast<float>(onePass) / kFramesPerSecond;
  // Later passes never take fewer frames than the first, so a pass without frames can
  // never fill the music.
  if (music <= 0 || onePass <= 0 || *seconds >= music) return pictureCount;

  DispatchContext context = countingContextFor(project);
  int total = 0, pictures = 0;
  for (int pass = 0;; ++pass) {
    for (size_t i = 0; i < project.pictures.size(); ++i) {
      int frames = pictureFrames(context, pictureOfPass(project, i, pass, loopStartEffect));
      total += frames;
      if (static_cast<float>(total) / kFramesPerSecond <= music) {
        ++pictures;
        continue;
      }
      // Past the music: the picture stays when it ends within the music's last whole second.
      float length = static_cast<float>(total) / kFramesPerSecond;
      if (static_cast<long>(length) == static_cast<long>(music)) {
        ++pictures;
        *seconds = length;
      } else {
        *seconds = static_cast<float>(total - frames) / kFramesPerSecond;
      }
      return std::max(pictures, pictureCount);
    }
  }
}

bool loopPlayApplies(const Project& project) {
  const ProjectSettings& s = project.settings;
  return s.musicOn && s.loopPictures && totalMusicLength(s.musicTracks) > 0;
}

int runPictureTotal(const Project& project, int loopStartEffect, float* seconds, BeatLookup lookup) {
  int total = static_cast<int>(project.pictures.size());
  if (loopPlayApplies(project))
    total = videoLength(project, loopStartEffect, seconds);
  else
    *seconds = static_cast<float>(countProjectFrames(project)) / kFramesPerSecond;
  RunHolds beat = runHolds(project, loopStartEffect, total, lookup);
  if (!beat.holds.empty()) *seconds = static_cast<float>(beat.frames) / kFramesPerSecond;
  return total;
}

RunHolds runHolds(const Project& project, int loopStartEffect, int total, BeatLookup lookup) {
  RunHolds run;
  if (!beatChangesApply(project.settings) || project.pictures.empty()) return run;
  MusicBeats beats = musicBeats(project.settings.musicTracks, lookup);
  DispatchContext transitionsOnly = countingContextFor(project);
  const int pause = transitionsOnly.pauseFrames;
  transitionsOnly.pauseFrames = 0;
  std::vector<int> transitions;
  const int count = static_cast<int>(project.pictures.size());
  for (int k = 0; k < total; ++k)
    transitions.push_back(pictureFrames(
        transitionsOnly, pictureOfPass(project, static_cast<size_t>(k % count), k / count, loopStartEffect)));
  run.holds = beatHolds(transitions, pause, beats.beats);
  for (size_t k = 0; k < run.holds.size(); ++k) run.frames += transitions[k] + run.holds[k];
  return run;
}

TimelineEnd runTimeline(const Project& project, const DispatchContext& context, int loopStartEffect,
                        const std::atomic<bool>& cancel, const std::function<void(int)>& progress) {
  if (project.pictures.empty()) return TimelineEnd::Finished;
  float seconds = 0;
  int total = runPictureTotal(project, loopStartEffect, &seconds);
  RunHolds beat = runHolds(project, loopStartEffect, total, BeatLookup::AnalyseMissing);
  DispatchContext pictureContext = context;
  WandPtr previous;
  PicturesAhead ahead(context);
  const size_t count = project.pictures.size();
  int k = 1;
  for (int pass = 0;; ++pass) {
    for (size_t i = 0; i < count; ++i, ++k) {
      if (cancel.load()) return TimelineEnd::Cancelled;
      if (progress) progress(k);
      ImageItem item = pictureShown(project, i, pass, loopStartEffect, k - 1);
      ReadyPicture picture = ahead.take(item);
      if (k < total)
        ahead.prepareNext(pictureShown(project, (i + 1) % count, i + 1 == count ? pass + 1 : pass,
                                       loopStartEffect, k));
      if (!beat.holds.empty()) pictureContext.pauseFrames = beat.holds[static_cast<size_t>(k - 1)];
      previous = dispatchPrepared(pictureContext, item, std::move(picture), std::move(previous));
      if (!previous) return TimelineEnd::SinkFailed;
      if (k >= total) return TimelineEnd::Finished;
    }
  }
}

}  // namespace pictavo
