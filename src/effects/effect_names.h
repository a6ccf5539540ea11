// Names of the transition effects: animationIndex 0..92 and 95..98 have one; 99
// ("无动画", no animation) and every other index read as "无动画".
#pragma once

#include <string>
#include <vector>

namespace pictavo {

inline constexpr int kNoAnimation = 99;
inline constexpr int kLastRandomEffect = 92;  // random choices are uniform over 0..92

// True for 0..92 and 95..98.
bool hasEffect(int animationIndex);

// The effect's name (GBK); "无动画" for any index without an effect.
const std::string& effectName(int animationIndex);

// The name as shown to the user, in the program's language, of a stored name (GBK); the
// stored name stays the project's.
std::string effectShownName(const std::string& gbkName);

// The index whose name is `gbkName`, or kNoAnimation when no effect has it.
int effectIndexByName(const std::string& gbkName);

// Every index with an effect, ascending (97 of them).
const std::vector<int>& effectIndices();

}  // namespace pictavo
