#include "project/pause_table.h"

#include <cstdio>

#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

struct PauseEntry {
  const char* label;
  double seconds;
};

const PauseEntry kPauses[kPauseCount] = {
    {"0.1", 0.1},  {"0.12", 0.13}, {"0.16", 0.18}, {"0.2", 0.2}, {"0.3", 0.3}, {"0.4", 0.4},
    {"0.5", 0.5},  {"0.6", 0.6},   {"0.7", 0.7},   {"0.8", 0.8}, {"0.9", 0.9}, {"1.0", 1.0},
    {"1.1", 1.1},  {"1.2", 1.2},   {"1.3", 1.3},   {"1.4", 1.4}, {"1.5", 1.5}, {"1.6", 1.6},
    {"1.7", 1.7},  {"1.8", 1.8},   {"1.9", 1.9},   {"2.0", 2.0}, {"2.2", 2.2}, {"2.4", 2.4},
    {"2.6", 2.6},  {"2.8", 2.8},   {"3.0", 3.0},   {"3.2", 3.2}, {"3.4", 3.4}, {"3.6", 3.6},
    {"3.8", 3.8},  {"4.0", 4.0},   {"4.5", 4.5},   {"5.0", 5.0}, {"5.5", 5.5}, {"6.0", 6.0},
    {"7.0", 7.0},  {"8.0", 8.0},
};

bool inRange(int index) { return index >= 0 && index < kPauseCount; }

}  // namespace

std::string pauseLabel(int index) {
  if (!inRange(index)) return std::string();
  return std::string(kPauses[index].label) + gbk("秒");
}

std::string pauseShownLabel(int index) {
  if (!inRange(index)) return std::string();
  return localFormat("%s秒", kPauses[index].label);
}

double pauseSeconds(int index) { return inRange(index) ? kPauses[index].seconds : 0.0; }

int pauseFramesForIndex(int index) {
  if (!inRange(index)) return 0;
  float seconds = static_cast<float>(kPauses[index].seconds);
  return static_cast<int>(static_cast<double>(seconds) * kFramesPerSecond);
}

int pauseFramesForText(const std::string& text) {
  float seconds = 0;
  if (std::sscanf(text.c_str(), "%f", &seconds) != 1) return 0;
  return static_cast<int>(static_cast<double>(seconds) * kFramesPerSecond);
}

std::string pauseText(float seconds) {
  return strprintf("%0.2f", static_cast<double>(seconds)) + gbk("秒");
}

}  // namespace pictavo
