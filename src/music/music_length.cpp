#include "music/music_length.h"

namespace pictavo {

float totalMusicLength(const std::vector<MusicTrack>& tracks) {
  float seconds = 0;
  for (const MusicTrack& track : tracks) seconds += track.durationMs / 1000.0f;
  return seconds;
}

}  // namespace pictavo
