#include "music/music_texts.h"

#include "music/music_length.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/time_text.h"
#include "util/translate.h"

namespace pictavo {

std::string musicListLine(const MusicTrack& track) {
  return strprintf("%-108s %dHz     %s", baseName(track.path).c_str(), track.sampleRate,
                   timeText(track.durationMs / 1000.0f).c_str());
}

std::string audioLengthText(const std::vector<MusicTrack>& tracks) {
  return localFormat("音频长度: %s", timeText(totalMusicLength(tracks)).c_str());
}

}  // namespace pictavo
