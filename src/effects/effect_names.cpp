#include "effects/effect_names.h"

#include <array>

#include "util/charset.h"

namespace pictavo {
namespace {

// animationIndex -> name, as UTF-8 literals; null where an index has no effect.
constexpr std::array<const char*, 100> kNames = {
    "逐渐缩小", "逐渐放大", "从四周向中间展开(方)", "从左右两侧向中间展开", "从上下两侧向中间展开",
    "从左上角由小变大", "从左上角展开", "从左下角由小变大", "从左下角展开", "从右上角由小变大",
    "从右上角展开", "从右下角由小变大", "从右下角展开", "从左侧中间由小变大", "从上侧中间由小变大",
    "从右侧中间由小变大", "从下侧中间由小变大", "从中间由小变大", "从中间向四周展开(方)",
    "从中间向左右展开", "从中间向上下展开", "从左向右展开", "从上向下展开", "从下向上展开",
    "从右向左展开", "从中间向四周展开(圆)", "从四周向中间展开(圆)", "从左向右拖出", "从右向左拖出",
    "从上向下拖出", "从下向上拖出", "淡入淡出", "12点顺时针方向展开", "顺逆时针方向同时展开",
    "9点顺时针方向展开", "9点逆时针方向展开", "12点逆时针方向展开", "从四角向中间展开",
    "从中间向四角展开", "从四角向中间飞进", "从中间向四角飞出", "从左到右光栅阶梯展开",
    "从右到左光栅阶梯展开", "从上到下光栅阶梯展开", "从下到上光栅阶梯展开", "顺时针旋转由小变大",
    "逆时针旋转由小变大", "顺时针旋转由大变小", "逆时针旋转由大变小", "百叶窗式从左到右展开",
    "百叶窗式从上到下展开", "对角线左上到右下展开", "对角线左下到右上展开", "对角线右上到左下展开",
    "对角线右下到左上展开", "从中间向四周展开(菱)", "从四周向中间展开(菱)", "风车",
    "从中间向四周展开(X)", "从四周向中间展开(X)", "绕左边向外翻转进来", "绕右边向外翻转进来",
    "绕上边向外翻转进来", "绕下边向外翻转进来", "对角线互动扫描进来", "对角线互动扫描出去",
    "从四周向中间缩小", "从左右两边向中间缩小", "从上下两边向中间缩小", "从左向右滑出",
    "从右向左滑出", "从上向下滑出", "从下向上滑出", "箭头从左到右展开", "箭头从右到左展开",
    "箭头从上到下展开", "箭头从下到上展开", "下方向两边扫射展开", "上方向两边扫射展开",
    "左方向两边扫射展开", "右方向两边扫射展开", "向左上角逐渐缩小", "向左下角逐渐缩小",
    "向右上角逐渐缩小", "向右下角逐渐缩小", "从左向右滑入", "从右向左滑入", "从上向下滑入",
    "从下向上滑入", "从上移到中间由小变大", "从下移到中间由小变大", "从左移到中间由小变大",
    "从右移到中间由小变大", nullptr, nullptr, "左右开门", "上下开门", "左右关门", "上下关门",
    "无动画",
};

// The GBK names, built once.
const std::array<std::string, 100>& gbkNames() {
  static const std::array<std::string, 100> names = [] {
    std::array<std::string, 100> table;
    for (size_t i = 0; i < kNames.size(); ++i) table[i] = gbk(kNames[i] ? kNames[i] : kNames[kNoAnimation]);
    return table;
  }();
  return names;
}

}  // namespace

bool hasEffect(int animationIndex) {
  return animationIndex >= 0 && animationIndex < kNoAnimation && kNames[animationIndex] != nullptr;
}

const std::string& effectName(int animationIndex) {
  return gbkNames()[hasEffect(animationIndex) ? animationIndex : kNoAnimation];
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
