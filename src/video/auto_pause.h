// The automatic pause time: the pause per picture that makes the pictures last as long as
// the music. It starts from an estimate of 0.8 s of effect per picture and then walks in
// steps of 0.01 s until the video length (counted without rendering) meets the music.
#pragma once

#include <string>

#include "project/project_model.h"

namespace pictavo {

struct AutoPause {
  std::string text;  // "%0.2f秒" (GBK), the computed pause shown in place of the pause list
  int frames = 0;    // the pause frames that text gives
};

// True while the pause follows the music: music on, the automatic pause time on and at
// least one track.
inline bool autoPauseApplies(const ProjectSettings& s) {
  return s.musicOn && s.autoPause && !s.musicTracks.empty();
}

// Applies the pause it settles on to project.settings (applyPauseText) and returns it.
// With no pictures nothing changes and the current pause is returned.
AutoPause autoPauseTime(Project& project);

}  // namespace pictavo
