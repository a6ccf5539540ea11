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
    {0, "逐渐缩小", kZoom, renderZoomOut, "zoom_fade"},
    {1, "逐渐放大", kZoom, renderZoomIn, "zoom_fade"},
    {31, "淡入淡出", fixed(6), renderFade, "zoom_fade"},
    // Edge and corner wipes.
    {2, "从四周向中间展开(方)", widthOver(16), renderShrinkingWindow, "edge_wipe"},
    {3, "从左右两侧向中间展开", widthOver(16), renderNarrowingBand, "edge_wipe"},
    {4, "从上下两侧向中间展开", heightOver(16), renderFlatteningBand, "edge_wipe"},
    {37, "从四角向中间展开", widthOver(32), renderCornersGrowIn, "edge_wipe"},
    {38, "从中间向四角展开", widthOver(32), renderCornersShrinkOut, "edge_wipe"},
    // Clock wipes and windmill.
    {32, "12点顺时针方向展开", angle(19.8), renderClockwiseFromTwelve, "clock_wipe"},
    {33, "顺逆时针方向同时展开", angle(11.0), renderBothWaysFromTwelve, "clock_wipe"},
    {34, "9点顺时针方向展开", angle(19.8), renderClockwiseFromNine, "clock_wipe"},
    {35, "9点逆时针方向展开", angle(19.8), renderCounterClockwiseFromNine, "clock_wipe"},
    {36, "12点逆时针方向展开", angle(19.8), renderCounterClockwiseFromTwelve, "clock_wipe"},
    {57, "风车", angle(5.45), renderWindmill, "clock_wipe"},
    // Circle, diamond and X reveals.
    {25, "从中间向四周展开(圆)", widthOver(16), renderCircleOpen, "shape_reveal"},
    {26, "从四周向中间展开(圆)", widthOver(16), renderCircleClose, "shape_reveal"},
    {55, "从中间向四周展开(菱)", kNone, renderDiamondOpen, "shape_reveal"},
    {56, "从四周向中间展开(菱)", kNone, renderDiamondClose, "shape_reveal"},
    {58, "从中间向四周展开(X)", widthOver(32), renderXOpen, "shape_reveal"},
    {59, "从四周向中间展开(X)", widthOver(32), renderXClose, "shape_reveal"},
    // Drags, slides out and slides in.
    {27, "从左向右拖出", widthOver(16), renderDragRight, "drag_slide"},
    {28, "从右向左拖出", widthOver(16), renderDragLeft, "drag_slide"},
    {29, "从上向下拖出", heightOver(16), renderDragDown, "drag_slide"},
    {30, "从下向上拖出", heightOver(16), renderDragUp, "drag_slide"},
    {69, "从左向右滑出", kNone, renderSlideOutRight, "drag_slide"},
    {70, "从右向左滑出", kNone, renderSlideOutLeft, "drag_slide"},
    {71, "从上向下滑出", kNone, renderSlideOutDown, "drag_slide"},
    {72, "从下向上滑出", kNone, renderSlideOutUp, "drag_slide"},
    {85, "从左向右滑入", kNone, renderSlideInRight, "drag_slide"},
    {86, "从右向左滑入", kNone, renderSlideInLeft, "drag_slide"},
    {87, "从上向下滑入", kNone, renderSlideInDown, "drag_slide"},
    {88, "从下向上滑入", kNone, renderSlideInUp, "drag_slide"},
    // Rotating zooms.
    {45, "顺时针旋转由小变大", kNone, renderSpinGrowClockwise, "rotating_zoom"},
    {46, "逆时针旋转由小变大", kNone, renderSpinGrowCounterClockwise, "rotating_zoom"},
    {47, "顺时针旋转由大变小", kNone, renderSpinShrinkClockwise, "rotating_zoom"},
    {48, "逆时针旋转由大变小", kNone, renderSpinShrinkCounterClockwise, "rotating_zoom"},
    // Doors and flying quarters.
    {39, "从四角向中间飞进", widthOver(32), renderQuartersFlyIn, "door"},
    {40, "从中间向四角飞出", widthOver(32), renderQuartersFlyOut, "door"},
    {95, "左右开门", kNone, renderDoorsOpenSideways, "door"},
    {96, "上下开门", kNone, renderDoorsOpenVertically, "door"},
    {97, "左右关门", kNone, renderDoorsCloseSideways, "door"},
    {98, "上下关门", kNone, renderDoorsCloseVertically, "door"},
    // Raster staircase and blinds.
    {41, "从左到右光栅阶梯展开", fixed(16), renderStaircaseRightward, "staircase_blind"},
    {42, "从右到左光栅阶梯展开", fixed(16), renderStaircaseLeftward, "staircase_blind"},
    {43, "从上到下光栅阶梯展开", fixed(16), renderStaircaseDownward, "staircase_blind"},
    {44, "从下到上光栅阶梯展开", fixed(16), renderStaircaseUpward, "staircase_blind"},
    {49, "百叶窗式从左到右展开", fixed(14), renderBlindsRightward, "staircase_blind"},
    {50, "百叶窗式从上到下展开", fixed(14), renderBlindsDownward, "staircase_blind"},
    // Arrows and sweeps.
    {73, "箭头从左到右展开", kNone, renderArrowFromLeft, "arrow_sweep"},
    {74, "箭头从右到左展开", kNone, renderArrowFromRight, "arrow_sweep"},
    {75, "箭头从上到下展开", kNone, renderArrowFromTop, "arrow_sweep"},
    {76, "箭头从下到上展开", kNone, renderArrowFromBottom, "arrow_sweep"},
    {77, "下方向两边扫射展开", kNone, renderSweepFromBottom, "arrow_sweep"},
    {78, "上方向两边扫射展开", kNone, renderSweepFromTop, "arrow_sweep"},
    {79, "左方向两边扫射展开", kNone, renderSweepFromLeft, "arrow_sweep"},
    {80, "右方向两边扫射展开", kNone, renderSweepFromRight, "arrow_sweep"},
    // Diagonal wipes and scans.
    {51, "对角线左上到右下展开", kNone, renderDiagonalFromTopLeft, "diagonal"},
    {52, "对角线左下到右上展开", kNone, renderDiagonalFromBottomLeft, "diagonal"},
    {53, "对角线右上到左下展开", kNone, renderDiagonalFromTopRight, "diagonal"},
    {54, "对角线右下到左上展开", kNone, renderDiagonalFromBottomRight, "diagonal"},
    {64, "对角线互动扫描进来", kNone, renderDiagonalScanIn, "diagonal"},
    {65, "对角线互动扫描出去", kNone, renderDiagonalScanOut, "diagonal"},
    // Edge flips.
    {60, "绕左边向外翻转进来", kNone, renderFlipInAroundLeft, "edge_flip"},
    {61, "绕右边向外翻转进来", kNone, renderFlipInAroundRight, "edge_flip"},
    {62, "绕上边向外翻转进来", kNone, renderFlipInAroundTop, "edge_flip"},
    {63, "绕下边向外翻转进来", kNone, renderFlipInAroundBottom, "edge_flip"},
    // Squeezes and shrinks to a corner.
    {66, "从四周向中间缩小", widthOver(17), renderShrinkToMiddle, "squeeze_shrink"},
    {67, "从左右两边向中间缩小", widthOver(16), renderSqueezeFromLeftAndRight, "squeeze_shrink"},
    {68, "从上下两边向中间缩小", heightOver(16), renderSqueezeFromTopAndBottom, "squeeze_shrink"},
    {81, "向左上角逐渐缩小", kNone, renderShrinkToTopLeft, "squeeze_shrink"},
    {82, "向左下角逐渐缩小", kNone, renderShrinkToBottomLeft, "squeeze_shrink"},
    {83, "向右上角逐渐缩小", kNone, renderShrinkToTopRight, "squeeze_shrink"},
    {84, "向右下角逐渐缩小", kNone, renderShrinkToBottomRight, "squeeze_shrink"},
    // Move to the middle and grow.
    {89, "从上移到中间由小变大", kNone, renderMoveFromTopAndGrow, "move_grow"},
    {90, "从下移到中间由小变大", kNone, renderMoveFromBottomAndGrow, "move_grow"},
    {91, "从左移到中间由小变大", kNone, renderMoveFromLeftAndGrow, "move_grow"},
    {92, "从右移到中间由小变大", kNone, renderMoveFromRightAndGrow, "move_grow"},
    // Grow and reveal from a corner, a side or the centre.
    {5, "从左上角由小变大", widthOver(16), renderGrowFromTopLeft, "grow_reveal"},
    {6, "从左上角展开", widthOver(16), renderRevealFromTopLeft, "grow_reveal"},
    {7, "从左下角由小变大", widthOver(16), renderGrowFromBottomLeft, "grow_reveal"},
    {8, "从左下角展开", widthOver(16), renderRevealFromBottomLeft, "grow_reveal"},
    {9, "从右上角由小变大", widthOver(16), renderGrowFromTopRight, "grow_reveal"},
    {10, "从右上角展开", widthOver(16), renderRevealFromTopRight, "grow_reveal"},
    {11, "从右下角由小变大", widthOver(16), renderGrowFromBottomRight, "grow_reveal"},
    {12, "从右下角展开", widthOver(16), renderRevealFromBottomRight, "grow_reveal"},
    {13, "从左侧中间由小变大", widthOver(16), renderGrowFromLeftMiddle, "grow_reveal"},
    {14, "从上侧中间由小变大", heightOver(16), renderGrowFromTopMiddle, "grow_reveal"},
    {15, "从右侧中间由小变大", widthOver(16), renderGrowFromRightMiddle, "grow_reveal"},
    {16, "从下侧中间由小变大", heightOver(16), renderGrowFromBottomMiddle, "grow_reveal"},
    {17, "从中间由小变大", widthOver(17), renderGrowFromCentre, "grow_reveal"},
    {18, "从中间向四周展开(方)", widthOver(16), renderRevealFromCentre, "grow_reveal"},
    {19, "从中间向左右展开", widthOver(16), renderRevealToLeftAndRight, "grow_reveal"},
    {20, "从中间向上下展开", heightOver(16), renderRevealUpAndDown, "grow_reveal"},
    {21, "从左向右展开", widthOver(16), renderRevealLeftToRight, "grow_reveal"},
    {22, "从上向下展开", heightOver(16), renderRevealTopToBottom, "grow_reveal"},
    {23, "从下向上展开", heightOver(16), renderRevealBottomToTop, "grow_reveal"},
    {24, "从右向左展开", widthOver(16), renderRevealRightToLeft, "grow_reveal"},
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
