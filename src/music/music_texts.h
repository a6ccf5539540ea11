// The texts that show the background music: one line of the track list and the audio
// length in the status bar. All GBK.
#pragma once

#include <string>
#include <vector>

#include "project/project_model.h"

namespace pictavo {

// File name padded to 108 columns, the sample rate and the duration as a time text.
std::string musicListLine(const MusicTrack& track);

// "音频长度: hh:mm:ss" for the total length of the tracks.
std::string audioLengthText(const std::vector<MusicTrack>& tracks);

}  // namespace pictavo
