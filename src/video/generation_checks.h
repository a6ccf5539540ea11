// What is checked before a video is generated (or previewed), in a fixed order, with the
// text the user is shown for each refusal; and the output file's default name and ending.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "project/project_model.h"

namespace pictavo {

// The control that gets the focus after a refusal.
enum class CheckFocus { None, SizeList, LogoPanel, MusicList, CoverPanel };

struct ProjectCheck {
  bool ok = true;
  std::string message;  // GBK, for a warning box
  std::string caption;  // "提示", "错误" or "提示 - 设置封面"
  CheckFocus focus = CheckFocus::None;
  int musicTrack = -1;  // the track to select in the music list
  int sampleRate = -1;  // the audio sample rate for the encoder; -1 when not known
};

// Size, logo, music tracks and their sample rates, cover and cover tool, in this order.
ProjectCheck checkProject(const Project& project);

// The rate the encoder resamples every track to when no common rate can be chosen.
inline constexpr int kResampledRate = 44100;

// The common sample rate of the tracks: -1 when all agree; otherwise two tracks where the
// second is higher take the second's rate, else the first of 44100, 48000, 32000, 24000,
// 22050 that remains after each track removes its own rate once. When none remains every
// track is resampled to kResampledRate and `note` (GBK) says so for the information window.
// Always true: any mix of rates plays.
bool resolveSampleRate(const std::vector<MusicTrack>& tracks, int* rate, std::string* note);

// One message naming the pictures whose files no longer exist; empty when all exist.
std::string missingPicturesMessage(const Project& project);

// The message for a missing AtomicParsley: install it, or put it into the tool folder.
std::string missingCoverToolMessage();

// Default output name by the naming rule: 1 the time as "%Y_%m_%d_%H%M%S", 2 the first
// picture's file name without its last extension, anything else empty.
std::string defaultOutputName(const Project& project, int namingRule, std::time_t now);

// The name with ".mp4" appended unless it already ends so (any letter case).
std::string withMp4Ending(const std::string& name);

}  // namespace pictavo
