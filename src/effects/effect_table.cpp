#include "effects/effect_table.h"

#include <array>

#include "effects/arrow_sweep_effects.h"
#include "effects/clock_wipe_effects.h"
#include "effects/diagonal_effects.h"
#include "effects/door_effects.h"
#include "effects/drag_slide_effects.h"
#include "effects/edge_flip_effects.h"
#include "effects/edge_wipe_effects.h"
#include "effects/grow_reveal_effects.h"
#include "effects/move_grow_effects.h"
#include "effects/no_animation.h"
#include "effects/rotating_zoom_effects.h"
#include "effects/shape_reveal_effects.h"
#include "effects/squeeze_shrink_effects.h"
#include "effects/staircase_blind_effects.h"
#include "effects/zoom_fade_effects.h"

namespace pictavo {
namespace {

constexpr ParamRule kNone{};
constexpr ParamRule kZoom{ParamRule::Zoom, 20};  // 20 frames, steps of W x 0.02
constexpr ParamRule widthOver(int d) { return {ParamRule::WidthOver, static_cast<double>(d)}; }
constexpr ParamRule heightOver(int d) { return {ParamRule::HeightOver, static_cast<double>(d)}; }
constexpr ParamRule fixed(int v) { return {ParamRule::Fixed, static_cast<double>(v)}; }
constexpr ParamRule angle(double a) { return {ParamRule::Angle, a}; }

const std::vector<EffectRow> kRows = {
    // Zoom and fade.
    {0, "逐渐缩小", kZoom, renderZoomOut},
    {1, "逐渐放大", kZoom, renderZoomIn},
    {31, "淡入淡出", fixed(6), renderFade},
    // Edge and corner wipes.
    {2, "从四周向中间展开(方)", widthOver(16), renderShrinkingWindow},
    {3, "从左右两侧向中间展开", widthOver(16), renderNarrowingBand},
    {4, "从上下两侧向中间展开", heightOver(16), renderFlatteningBand},
    {37, "从四角向中间展开", widthOver(32), renderCornersGrowIn},
    {38, "从中间向四角展开", widthOver(32), renderCornersShrinkOut},
    // Clock wipes and windmill.
    {32, "12点顺时针方向展开", angle(19.8), renderClockwiseFromTwelve},
    {33, "顺逆时针方向同时展开", angle(11.0), renderBothWaysFromTwelve},
    {34, "9点顺时针方向展开", angle(19.8), renderClockwiseFromNine},
    {35, "9点逆时针方向展开", angle(19.8), renderCounterClockwiseFromNine},
    {36, "12点逆时针方向展开", angle(19.8), renderCounterClockwiseFromTwelve},
    {57, "风车", angle(5.45), renderWindmill},
    // Circle, diamond and X reveals.
    {25, "从中间向四周展开(圆)", widthOver(16), renderCircleOpen},
    {26, "从四周向中间展开(圆)", widthOver(16), renderCircleClose},
    {55, "从中间向四周展开(菱)", kNone, renderDiamondOpen},
    {56, "从四周向中间展开(菱)", kNone, renderDiamondClose},
    {58, "从中间向四周展开(X)", widthOver(32), renderXOpen},
    {59, "从四周向中间展开(X)", widthOver(32), renderXClose},
    // Drags, slides out and slides in.
    {27, "从左向右拖出", widthOver(16), renderDragRight},
    {28, "从右向左拖出", widthOver(16), renderDragLeft},
    {29, "从上向下拖出", heightOver(16), renderDragDown},
    {30, "从下向上拖出", heightOver(16), renderDragUp},
    {69, "从左向右滑出", kNone, renderSlideOutRight},
    {70, "从右向左滑出", kNone, renderSlideOutLeft},
    {71, "从上向下滑出", kNone, renderSlideOutDown},
    {72, "从下向上滑出", kNone, renderSlideOutUp},
    {85, "从左向右滑入", kNone, renderSlideInRight},
    {86, "从右向左滑入", kNone, renderSlideInLeft},
    {87, "从上向下滑入", kNone, renderSlideInDown},
    {88, "从下向上滑入", kNone, renderSlideInUp},
    // Rotating zooms.
    {45, "顺时针旋转由小变大", kNone, renderSpinGrowClockwise},
    {46, "逆时针旋转由小变大", kNone, renderSpinGrowCounterClockwise},
    {47, "顺时针旋转由大变小", kNone, renderSpinShrinkClockwise},
    {48, "逆时针旋转由大变小", kNone, renderSpinShrinkCounterClockwise},
    // Doors and flying quarters.
    {39, "从四角向中间飞进", widthOver(32), renderQuartersFlyIn},
    {40, "从中间向四角飞出", widthOver(32), renderQuartersFlyOut},
    {95, "左右开门", kNone, renderDoorsOpenSideways},
    {96, "上下开门", kNone, renderDoorsOpenVertically},
    {97, "左右关门", kNone, renderDoorsCloseSideways},
    {98, "上下关门", kNone, renderDoorsCloseVertically},
    // Raster staircase and blinds.
    {41, "从左到右光栅阶梯展开", fixed(16), renderStaircaseRightward},
    {42, "从右到左光栅阶梯展开", fixed(16), renderStaircaseLeftward},
    {43, "从上到下光栅阶梯展开", fixed(16), renderStaircaseDownward},
    {44, "从下到上光栅阶梯展开", fixed(16), renderStaircaseUpward},
    {49, "百叶窗式从左到右展开", fixed(14), renderBlindsRightward},
    {50, "百叶窗式从上到下展开", fixed(14), renderBlindsDownward},
    // Arrows and sweeps.
    {73, "箭头从左到右展开", kNone, renderArrowFromLeft},
    {74, "箭头从右到左展开", kNone, renderArrowFromRight},
    {75, "箭头从上到下展开", kNone, renderArrowFromTop},
    {76, "箭头从下到上展开", kNone, renderArrowFromBottom},
    {77, "下方向两边扫射展开", kNone, renderSweepFromBottom},
    {78, "上方向两边扫射展开", kNone, renderSweepFromTop},
    {79, "左方向两边扫射展开", kNone, renderSweepFromLeft},
    {80, "右方向两边扫射展开", kNone, renderSweepFromRight},
    // Diagonal wipes and scans.
    {51, "对角线左上到右下展开", kNone, renderDiagonalFromTopLeft},
    {52, "对角线左下到右上展开", kNone, renderDiagonalFromBottomLeft},
    {53, "对角线右上到左下展开", kNone, renderDiagonalFromTopRight},
    {54, "对角线右下到左上展开", kNone, renderDiagonalFromBottomRight},
    {64, "对角线互动扫描进来", kNone, renderDiagonalScanIn},
    {65, "对角线互动扫描出去", kNone, renderDiagonalScanOut},
    // Edge flips.
    {60, "绕左边向外翻转进来", kNone, renderFlipInAroundLeft},
    {61, "绕右边向外翻转进来", kNone, renderFlipInAroundRight},
    {62, "绕上边向外翻转进来", kNone, renderFlipInAroundTop},
    {63, "绕下边向外翻转进来", kNone, renderFlipInAroundBottom},
    // Squeezes and shrinks to a corner.
    {66, "从四周向中间缩小", widthOver(17), renderShrinkToMiddle},
    {67, "从左右两边向中间缩小", widthOver(16), renderSqueezeFromLeftAndRight},
    {68, "从上下两边向中间缩小", heightOver(16), renderSqueezeFromTopAndBottom},
    {81, "向左上角逐渐缩小", kNone, renderShrinkToTopLeft},
    {82, "向左下角逐渐缩小", kNone, renderShrinkToBottomLeft},
    {83, "向右上角逐渐缩小", kNone, renderShrinkToTopRight},
    {84, "向右下角逐渐缩小", kNone, renderShrinkToBottomRight},
    // Move to the middle and grow.
    {89, "从上移到中间由小变大", kNone, renderMoveFromTopAndGrow},
    {90, "从下移到中间由小变大", kNone, renderMoveFromBottomAndGrow},
    {91, "从左移到中间由小变大", kNone, renderMoveFromLeftAndGrow},
    {92, "从右移到中间由小变大", kNone, renderMoveFromRightAndGrow},
    // Grow and reveal from a corner, a side or the centre.
    {5, "从左上角由小变大", widthOver(16), renderGrowFromTopLeft},
    {6, "从左上角展开", widthOver(16), renderRevealFromTopLeft},
    {7, "从左下角由小变大", widthOver(16), renderGrowFromBottomLeft},
    {8, "从左下角展开", widthOver(16), renderRevealFromBottomLeft},
    {9, "从右上角由小变大", widthOver(16), renderGrowFromTopRight},
    {10, "从右上角展开", widthOver(16), renderRevealFromTopRight},
    {11, "从右下角由小变大", widthOver(16), renderGrowFromBottomRight},
    {12, "从右下角展开", widthOver(16), renderRevealFromBottomRight},
    {13, "从左侧中间由小变大", widthOver(16), renderGrowFromLeftMiddle},
    {14, "从上侧中间由小变大", heightOver(16), renderGrowFromTopMiddle},
    {15, "从右侧中间由小变大", widthOver(16), renderGrowFromRightMiddle},
    {16, "从下侧中间由小变大", heightOver(16), renderGrowFromBottomMiddle},
    {17, "从中间由小变大", widthOver(17), renderGrowFromCentre},
    {18, "从中间向四周展开(方)", widthOver(16), renderRevealFromCentre},
    {19, "从中间向左右展开", widthOver(16), renderRevealToLeftAndRight},
    {20, "从中间向上下展开", heightOver(16), renderRevealUpAndDown},
    {21, "从左向右展开", widthOver(16), renderRevealLeftToRight},
    {22, "从上向下展开", heightOver(16), renderRevealTopToBottom},
    {23, "从下向上展开", heightOver(16), renderRevealBottomToTop},
    {24, "从右向左展开", widthOver(16), renderRevealRightToLeft},
};

// Index -> row, built once.
const std::array<const EffectRow*, 100>& rowByIndex() {
  static const std::array<const EffectRow*, 100> table = [] {
    std::array<const EffectRow*, 100> byIndex{};
    for (const EffectRow& row : kRows) byIndex[row.index] = &row;
    return byIndex;
  }();
  return table;
}

}  // namespace

const std::vector<EffectRow>& effectRows() { return kRows; }

const EffectRow* findEffectRow(int animationIndex) {
  if (animationIndex < 0 || animationIndex >= 100) return nullptr;
  return rowByIndex()[animationIndex];
}

EffectRenderer rendererFor(int animationIndex) {
  const EffectRow* row = findEffectRow(animationIndex);
  return row ? row->renderer : renderNoAnimation;
}

EffectParams effectParams(int animationIndex, int canvasWidth, int canvasHeight) {
  EffectParams params;
  const EffectRow* row = findEffectRow(animationIndex);
  if (!row) return params;
  const ParamRule& rule = row->rule;
  switch (rule.kind) {
    case ParamRule::None: break;
    case ParamRule::Zoom:
      params.frames = static_cast<int>(rule.value);
      params.step = static_cast<int>(canvasWidth * 0.02);
      break;
    case ParamRule::WidthOver: params.step = canvasWidth / static_cast<int>(rule.value); break;
    case ParamRule::HeightOver: params.step = canvasHeight / static_cast<int>(rule.value); break;
    case ParamRule::Fixed: params.step = static_cast<int>(rule.value); break;
    case ParamRule::Angle: params.angleStep = rule.value; break;
  }
  return params;
}

}  // namespace pictavo
