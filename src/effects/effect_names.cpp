#include "effects/effect_names.h"

#include <array>

#include "effects/effect_table.h"
#include "util/charset.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// The GBK names by index, built once from the dispatch table; "无动画" where none.
const std::array<std::string, 100>& gbkNames() {
  static const std::array<std::string, 100> names = [] {
    std::array<std::string, 100> table;
    table.fill(gbk("无动画"));
    for (const EffectRow& row : effectRows()) table[row.index] = gbk(row.name);
    return table;
  }();
  return names;
}

}  // namespace

bool hasEffect(int animationIndex) { return findEffectRow(animationIndex) != nullptr; }

const std::string& effectName(int animationIndex) {
  return gbkNames()[hasEffect(animationIndex) ? animationIndex : kNoAnimation];
}

std::string effectShownName(const std::string& gbkName) {
  if (currentLanguage() == Language::SimplifiedChinese) return gbkName;
  return localText(utf8(gbkName).c_str());
}

int effectIndexByName(const std::string& gbkName) {
  for (int index : effectIndices())
    if (gbkNames()[index] == gbkName) return index;
  return kNoAnimation;
}

const std::vector<int>& effectIndices() {
  static const std::vector<int> indices = [] {
    std::vector<int> list;
    for (int i = 0; i < kNoAnimation; ++i)
      if (hasEffect(i)) list.push_back(i);
    return list;
  }();
  return indices;
}

}  // namespace pictavo
