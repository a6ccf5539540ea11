// The picture pause: 38 choices from 0.1 s to 8 s, or a computed pause text while the
// automatic pause time is on. A pause becomes a number of frames at 25 per second.
#pragma once

#include <string>

namespace pictavo {

inline constexpr int kFramesPerSecond = 25;
inline constexpr int kPauseCount = 38;
inline constexpr int kDefaultPauseIndex = 21;  // "2.0秒", 50 frames

// The list label of entry `index` (GBK, e.g. "2.0秒"); empty when out of range.
std::string pauseLabel(int index);
// The same label as shown to the user, in the program's language ("2.0 s" in English).
std::string pauseShownLabel(int index);

// The seconds entry `index` stores (0.13 for the entry labelled 0.12, ...); 0 out of range.
double pauseSeconds(int index);

// Frames of entry `index`: the seconds rounded to single precision, times 25, truncated.
int pauseFramesForIndex(int index);

// Frames of a computed pause text such as "2.20秒": its leading number times 25, truncated;
// 0 when it does not start with a number.
int pauseFramesForText(const std::string& text);

// The computed pause text "%0.2f秒" (GBK) of `seconds`.
std::string pauseText(float seconds);

}  // namespace pictavo
