#include "effects/effect_chooser_entries.h"

#include "util/charset.h"
#include "util/translate.h"

namespace pictavo {
namespace {

constexpr const char* kSeparator = "--------------------";

// The groups of effect names, in order; a dash line goes before each group.
const std::vector<std::vector<const char*>> kGroups = {
    {translatable("淡入淡出"), translatable("逐渐缩小"), translatable("逐渐放大")},
    {translatable("9点顺时针方向展开"), translatable("9点逆时针方向展开"), translatable("12点顺时针方向展开"), translatable("12点逆时针方向展开"),
     translatable("顺逆时针方向同时展开"), translatable("风车")},
    {translatable("从中间向四周展开(方)"), translatable("从中间向四周展开(圆)"), translatable("从中间向四周展开(菱)"), translatable("从中间向四周展开(X)"),
     translatable("从中间向左右展开"), translatable("从中间向上下展开")},
    {translatable("从四周向中间展开(方)"), translatable("从四周向中间展开(圆)"), translatable("从四周向中间展开(菱)"), translatable("从四周向中间展开(X)"),
     translatable("从左右两侧向中间展开"), translatable("从上下两侧向中间展开")},
    {translatable("从左上角展开"), translatable("从左下角展开"), translatable("从右上角展开"), translatable("从右下角展开")},
    {translatable("从左向右展开"), translatable("从右向左展开"), translatable("从上向下展开"), translatable("从下向上展开")},
    {translatable("从左到右光栅阶梯展开"), translatable("从右到左光栅阶梯展开"), translatable("从上到下光栅阶梯展开"),
     translatable("从下到上光栅阶梯展开")},
    {translatable("百叶窗式从左到右展开"), translatable("百叶窗式从上到下展开")},
    {translatable("箭头从左到右展开"), translatable("箭头从右到左展开"), translatable("箭头从上到下展开"), translatable("箭头从下到上展开")},
    {translatable("对角线左上到右下展开"), translatable("对角线左下到右上展开"), translatable("对角线右上到左下展开"),
     translatable("对角线右下到左上展开")},
    {translatable("对角线互动扫描进来"), translatable("对角线互动扫描出去")},
    {translatable("下方向两边扫射展开"), translatable("上方向两边扫射展开"), translatable("左方向两边扫射展开"), translatable("右方向两边扫射展开")},
    {translatable("从左上角由小变大"), translatable("从左下角由小变大"), translatable("从右上角由小变大"), translatable("从右下角由小变大")},
    {translatable("从中间由小变大"), translatable("从左侧中间由小变大"), translatable("从上侧中间由小变大"), translatable("从右侧中间由小变大"),
     translatable("从下侧中间由小变大")},
    {translatable("从上移到中间由小变大"), translatable("从下移到中间由小变大"), translatable("从左移到中间由小变大"),
     translatable("从右移到中间由小变大")},
    {translatable("向左上角逐渐缩小"), translatable("向左下角逐渐缩小"), translatable("向右上角逐渐缩小"), translatable("向右下角逐渐缩小")},
    {translatable("从四周向中间缩小"), translatable("从左右两边向中间缩小"), translatable("从上下两边向中间缩小")},
    {translatable("从左向右拖出"), translatable("从右向左拖出"), translatable("从上向下拖出"), translatable("从下向上拖出")},
    {translatable("从左向右滑入"), translatable("从右向左滑入"), translatable("从上向下滑入"), translatable("从下向上滑入")},
    {translatable("从左向右滑出"), translatable("从右向左滑出"), translatable("从上向下滑出"), translatable("从下向上滑出")},
    {translatable("顺时针旋转由小变大"), translatable("逆时针旋转由小变大"), translatable("顺时针旋转由大变小"), translatable("逆时针旋转由大变小")},
    {translatable("从四角向中间展开"), translatable("从中间向四角展开"), translatable("从四角向中间飞进"), translatable("从中间向四角飞出")},
    {translatable("绕左边向外翻转进来"), translatable("绕右边向外翻转进来"), translatable("绕上边向外翻转进来"), translatable("绕下边向外翻转进来")},
    {translatable("左右开门"), translatable("上下开门"), translatable("左右关门"), translatable("上下关门")},
};

}  // namespace

const std::vector<std::string>& effectChooserEntries() {
  static const std::vector<std::string> entries = [] {
    std::vector<std::string> list{gbk(translatable("无动画"))};
    for (const auto& group : kGroups) {
      list.push_back(kSeparator);
      for (const char* name : group) list.push_back(gbk(name));
    }
    return list;
  }();
  return entries;
}

bool isChooserSeparator(const std::string& entry) { return entry.find("---") != std::string::npos; }

}  // namespace pictavo
