// The total length of the background music, which the pause and loop rules and the audio
// length text work from.
#pragma once

#include <vector>

#include "project/project_model.h"

namespace pictavo {

// Sum of the tracks' durations in seconds, added up in single precision; 0 without tracks.
float totalMusicLength(const std::vector<MusicTrack>& tracks);

}  // namespace pictavo
