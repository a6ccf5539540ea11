// Changes on the beat: the hold of every picture of a run is chosen so that each change (the
// first frame of a picture's transition) falls on a beat of the music playing then, and each
// picture stays a whole number of beats.
#pragma once

#include <string>
#include <vector>

#include "project/project_model.h"

namespace pictavo {

// Whether the changes follow the beat: music on, the option on and at least one track.
inline bool beatChangesApply(const ProjectSettings& s) {
  return s.musicOn && s.beatChanges && !s.musicTracks.empty();
}

// How beats are found: from what is known already (the window's thread, which never waits
// for an analysis), or analysing the tracks not known yet (workers and the command line).
enum class BeatLookup { CachedOnly, AnalyseMissing };

struct MusicBeats {
  std::vector<double> beats;               // seconds on the video's time line, rising
  std::vector<std::string> unclearTracks;  // GBK file names of tracks without a clear beat
  bool complete = true;                    // every track's beats were known
};

// The beats of the tracks played one after the other: each track's beats from the end of
// the one before (by its decoded length, as the encoder joins them). Tracks without a clear
// beat add none.
MusicBeats musicBeats(const std::vector<MusicTrack>& tracks, BeatLookup lookup);

// The shortest and longest pause of the pause list, in frames: every hold stays within them.
inline constexpr int kMinBeatHoldFrames = 2;
inline constexpr int kMaxBeatHoldFrames = 200;

// The holds of pictures whose transitions take `transitions` frames, aiming at `pause`
// frames each. Each picture ends at the beat nearest to where the even pause would end it
// (counted from the start, so the show keeps the even pause's length within half a beat);
// where no beat lies within the hold's range the even end is kept. Empty without beats.
std::vector<int> beatHolds(const std::vector<int>& transitions, int pause,
                           const std::vector<double>& beats);

// "背景音乐 [..] 没有清晰的节拍…" for the information window; "" when all tracks have one.
std::string unclearBeatNote(const MusicBeats& beats);

}  // namespace pictavo
