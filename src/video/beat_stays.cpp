#include "video/beat_stays.h"

#include <algorithm>
#include <cmath>

#include "music/beat_cache.h"
#include "project/pause_table.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

int frameOf(double seconds) { return static_cast<int>(std::lround(seconds * kFramesPerSecond)); }

// The frame of the beat in [lo, hi] nearest to `target`; -1 when none lies there.
int nearestBeatFrame(const std::vector<int>& beatFrames, int lo, int hi, int target) {
  auto first = std::lower_bound(beatFrames.begin(), beatFrames.end(), lo);
  int best = -1;
  for (auto it = first; it != beatFrames.end() && *it <= hi; ++it)
    if (best < 0 || std::abs(*it - target) < std::abs(best - target)) best = *it;
  return best;
}

}  // namespace

MusicBeats musicBeats(const std::vector<MusicTrack>& tracks, BeatLookup lookup) {
  MusicBeats result;
  double offset = 0;
  for (const MusicTrack& track : tracks) {
    std::optional<TrackBeats> beats = lookup == BeatLookup::AnalyseMissing
                                          ? std::optional<TrackBeats>(trackBeatsOf(track.path))
                                          : cachedTrackBeats(track.path);
    if (!beats) {
      result.complete = false;
      offset += track.durationMs / 1000.0;
      continue;
    }
    if (beats->clear)
      for (double beat : beats->beats) result.beats.push_back(offset + beat);
    else
      result.unclearTracks.push_back(baseName(track.path));
    offset += beats->seconds > 0 ? beats->seconds : track.durationMs / 1000.0;
  }
  return result;
}

std::vector<int> beatHolds(const std::vector<int>& transitions, int pause,
                           const std::vector<double>& beats) {
  if (beats.empty()) return {};
  std::vector<int> beatFrames;
  for (double beat : beats) beatFrames.push_back(frameOf(beat));
  std::vector<int> holds;
  int start = 0;     // the frame where the picture's change falls
  long even = 0;     // where the even pause would end it
  for (int transition : transitions) {
    even += transition + pause;
    int lo = start + transition + kMinBeatHoldFrames;
    int hi = start + transition + kMaxBeatHoldFrames;
    int target = static_cast<int>(std::clamp<long>(even, lo, hi));
    int end = nearestBeatFrame(beatFrames, lo, hi, target);
    if (end < 0) end = target;
    holds.push_back(end - start - transition);
    start = end;
  }
  return holds;
}

std::string unclearBeatNote(const MusicBeats& beats) {
  if (beats.unclearTracks.empty()) return "";
  std::string names;
  for (const std::string& name : beats.unclearTracks) names += "[" + name + "] ";
  return localFormat("背景音乐 %s没有清晰的节拍，播放这些音乐时图片按平均停顿时间切换。", names.c_str());
}

}  // namespace pictavo
