// Building a project from command-line choices: size, pause, pictures, effects, captions,
// music, logo and cover. Each helper complains on the terminal and returns false when its
// input is unusable.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "project/project_model.h"

namespace pictavo::cli {

// "WxH", even sides, 128..3840 by 128..2160 (the sizes a project can keep).
bool setVideoSize(Project& project, const std::string& sizeText);

// Seconds per picture: the pause list's entry when one has exactly this value, else the
// computed pause of that length. 0 < seconds <= 60.
bool setPause(Project& project, const std::string& secondsText);

// The motion ("off", "auto", "in", "out", "left", "right", "up", "down"), its strength in
// percent (4..20) and the framing ("fit", "fill", "blur"); an absent choice keeps the default.
bool setMotion(Project& project, const std::optional<std::string>& motion,
               const std::optional<std::string>& strength, const std::optional<std::string>& framing);

// Adds the pictures (GBK paths) with the project's caption defaults; pictures the list
// refuses are named on the terminal. False when none could be added.
bool addPictures(Project& project, const std::vector<std::string>& paths);

// "random" (each picture its own effect in 0..92), "cycle" (the pictures take the animated
// effects in index order, starting again after the last) or an index 0..99 for every picture.
bool setEffects(Project& project, const std::string& choice);

// Puts the text (GBK) on every picture as its caption, cut to the caption's limit (and said
// so on the terminal) when longer.
void setCaptions(Project& project, const std::string& text);

// Measures the MP3 and appends it to the music tracks; music is switched on.
bool addMusicTrack(Project& project, const std::string& path);

// The music options on top of the project's: --beat (changes on the beat), --fade-in S,
// --fade-out S (seconds, 0..30) and --level (every track at the same loudness). Each needs
// music in the project.
bool setMusicStyle(Project& project, const Args& args);

// Location 0..3 as text.
bool setLogo(Project& project, const std::string& path, const std::string& locationText);

void setCover(Project& project, const std::string& path);

}  // namespace pictavo::cli
