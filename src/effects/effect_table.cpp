#include "effects/effect_table.h"

#include <array>
#include <iterator>
#include <variant>

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
#include "effects/transition_plan.h"
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
    {0, "zoom_out", "逐渐缩小", kZoom, planZoomFade, ZoomFade::ZoomOut},
    {1, "zoom_in", "逐渐放大", kZoom, planZoomFade, ZoomFade::ZoomIn},
    {31, "fade", "淡入淡出", fixed(6), planZoomFade, ZoomFade::Fade},
    // Edge and corner wipes.
    {2, "shrinking_window", "从四周向中间展开(方)", widthOver(16), planEdgeWipe,
     EdgeWipe::ShrinkingWindow},
    {3, "narrowing_band", "从左右两侧向中间展开", widthOver(16), planEdgeWipe,
     EdgeWipe::NarrowingBand},
    {4, "flattening_band", "从上下两侧向中间展开", heightOver(16), planEdgeWipe,
     EdgeWipe::FlatteningBand},
    {37, "corners_grow_in", "从四角向中间展开", widthOver(32), planEdgeWipe,
     EdgeWipe::CornersGrowIn},
    {38, "corners_shrink_out", "从中间向四角展开", widthOver(32), planEdgeWipe,
     EdgeWipe::CornersShrinkOut},
    // Clock wipes and windmill.
    {32, "clockwise_from_twelve", "12点顺时针方向展开", angle(19.8), planClockWipe,
     ClockHands::ClockwiseFromTwelve},
    {33, "both_ways_from_twelve", "顺逆时针方向同时展开", angle(11.0), planClockWipe,
     ClockHands::BothWaysFromTwelve},
    {34, "clockwise_from_nine", "9点顺时针方向展开", angle(19.8), planClockWipe,
     ClockHands::ClockwiseFromNine},
    {35, "counter_clockwise_from_nine", "9点逆时针方向展开", angle(19.8), planClockWipe,
     ClockHands::CounterClockwiseFromNine},
    {36, "counter_clockwise_from_twelve", "12点逆时针方向展开", angle(19.8), planClockWipe,
     ClockHands::CounterClockwiseFromTwelve},
    {57, "windmill", "风车", angle(5.45), planClockWipe, ClockHands::Windmill},
    // Circle, diamond and X reveals.
    {25, "circle_open", "从中间向四周展开(圆)", widthOver(16), planShapeReveal,
     ShapeReveal{ShapeReveal::Circle, true}},
    {26, "circle_close", "从四周向中间展开(圆)", widthOver(16), planShapeReveal,
     ShapeReveal{ShapeReveal::Circle, false}},
    {55, "diamond_open", "从中间向四周展开(菱)", kNone, planShapeReveal,
     ShapeReveal{ShapeReveal::Diamond, true}},
    {56, "diamond_close", "从四周向中间展开(菱)", kNone, planShapeReveal,
     ShapeReveal{ShapeReveal::Diamond, false}},
    {58, "x_open", "从中间向四周展开(X)", widthOver(32), planShapeReveal,
     ShapeReveal{ShapeReveal::X, true}},
    {59, "x_close", "从四周向中间展开(X)", widthOver(32), planShapeReveal,
     ShapeReveal{ShapeReveal::X, false}},
    // Drags, slides out and slides in.
    {27, "drag_right", "从左向右拖出", widthOver(16), planDragSlide,
     Slide{Slide::Drag, Movement::Right}},
    {28, "drag_left", "从右向左拖出", widthOver(16), planDragSlide,
     Slide{Slide::Drag, Movement::Left}},
    {29, "drag_down", "从上向下拖出", heightOver(16), planDragSlide,
     Slide{Slide::Drag, Movement::Down}},
    {30, "drag_up", "从下向上拖出", heightOver(16), planDragSlide,
     Slide{Slide::Drag, Movement::Up}},
    {69, "slide_out_right", "从左向右滑出", kNone, planDragSlide,
     Slide{Slide::SlideOut, Movement::Right}},
    {70, "slide_out_left", "从右向左滑出", kNone, planDragSlide,
     Slide{Slide::SlideOut, Movement::Left}},
    {71, "slide_out_down", "从上向下滑出", kNone, planDragSlide,
     Slide{Slide::SlideOut, Movement::Down}},
    {72, "slide_out_up", "从下向上滑出", kNone, planDragSlide,
     Slide{Slide::SlideOut, Movement::Up}},
    {85, "slide_in_right", "从左向右滑入", kNone, planDragSlide,
     Slide{Slide::SlideIn, Movement::Right}},
    {86, "slide_in_left", "从右向左滑入", kNone, planDragSlide,
     Slide{Slide::SlideIn, Movement::Left}},
    {87, "slide_in_down", "从上向下滑入", kNone, planDragSlide,
     Slide{Slide::SlideIn, Movement::Down}},
    {88, "slide_in_up", "从下向上滑入", kNone, planDragSlide,
     Slide{Slide::SlideIn, Movement::Up}},
    // Rotating zooms.
    {45, "spin_grow_clockwise", "顺时针旋转由小变大", kNone, planSpin, Spin{true, true}},
    {46, "spin_grow_counter_clockwise", "逆时针旋转由小变大", kNone, planSpin, Spin{true, false}},
    {47, "spin_shrink_clockwise", "顺时针旋转由大变小", kNone, planSpin, Spin{false, true}},
    {48, "spin_shrink_counter_clockwise", "逆时针旋转由大变小", kNone, planSpin,
     Spin{false, false}},
    // Doors and flying quarters.
    {39, "quarters_fly_in", "从四角向中间飞进", widthOver(32), planDoor,
     DoorMotion::QuartersFlyIn},
    {40, "quarters_fly_out", "从中间向四角飞出", widthOver(32), planDoor,
     DoorMotion::QuartersFlyOut},
    {95, "doors_open_sideways", "左右开门", kNone, planDoor, DoorMotion::OpenSideways},
    {96, "doors_open_vertically", "上下开门", kNone, planDoor, DoorMotion::OpenVertically},
    {97, "doors_close_sideways", "左右关门", kNone, planDoor, DoorMotion::CloseSideways},
    {98, "doors_close_vertically", "上下关门", kNone, planDoor, DoorMotion::CloseVertically},
    // Raster staircase and blinds.
    {41, "staircase_right", "从左到右光栅阶梯展开", fixed(16), planStrips,
     Strips{Strips::Staircase, Opening::Rightward}},
    {42, "staircase_left", "从右到左光栅阶梯展开", fixed(16), planStrips,
     Strips{Strips::Staircase, Opening::Leftward}},
    {43, "staircase_down", "从上到下光栅阶梯展开", fixed(16), planStrips,
     Strips{Strips::Staircase, Opening::Downward}},
    {44, "staircase_up", "从下到上光栅阶梯展开", fixed(16), planStrips,
     Strips{Strips::Staircase, Opening::Upward}},
    {49, "blinds_right", "百叶窗式从左到右展开", fixed(14), planStrips,
     Strips{Strips::Blinds, Opening::Rightward}},
    {50, "blinds_down", "百叶窗式从上到下展开", fixed(14), planStrips,
     Strips{Strips::Blinds, Opening::Downward}},
    // Arrows and sweeps.
    {73, "arrow_from_left", "箭头从左到右展开", kNone, planArrowSweep, ArrowSweep::ArrowFromLeft},
    {74, "arrow_from_right", "箭头从右到左展开", kNone, planArrowSweep,
     ArrowSweep::ArrowFromRight},
    {75, "arrow_from_top", "箭头从上到下展开", kNone, planArrowSweep, ArrowSweep::ArrowFromTop},
    {76, "arrow_from_bottom", "箭头从下到上展开", kNone, planArrowSweep,
     ArrowSweep::ArrowFromBottom},
    {77, "sweep_from_bottom", "下方向两边扫射展开", kNone, planArrowSweep,
     ArrowSweep::SweepFromBottom},
    {78, "sweep_from_top", "上方向两边扫射展开", kNone, planArrowSweep, ArrowSweep::SweepFromTop},
    {79, "sweep_from_left", "左方向两边扫射展开", kNone, planArrowSweep,
     ArrowSweep::SweepFromLeft},
    {80, "sweep_from_right", "右方向两边扫射展开", kNone, planArrowSweep,
     ArrowSweep::SweepFromRight},
    // Diagonal wipes and scans.
    {51, "diagonal_from_top_left", "对角线左上到右下展开", kNone, planDiagonal,
     DiagonalWipe::FromTopLeft},
    {52, "diagonal_from_bottom_left", "对角线左下到右上展开", kNone, planDiagonal,
     DiagonalWipe::FromBottomLeft},
    {53, "diagonal_from_top_right", "对角线右上到左下展开", kNone, planDiagonal,
     DiagonalWipe::FromTopRight},
    {54, "diagonal_from_bottom_right", "对角线右下到左上展开", kNone, planDiagonal,
     DiagonalWipe::FromBottomRight},
    {64, "diagonal_scan_in", "对角线互动扫描进来", kNone, planDiagonal, DiagonalWipe::ScanIn},
    {65, "diagonal_scan_out", "对角线互动扫描出去", kNone, planDiagonal, DiagonalWipe::ScanOut},
    // Edge flips.
    {60, "flip_in_around_left", "绕左边向外翻转进来", kNone, planEdgeFlip, Hinge::Left},
    {61, "flip_in_around_right", "绕右边向外翻转进来", kNone, planEdgeFlip, Hinge::Right},
    {62, "flip_in_around_top", "绕上边向外翻转进来", kNone, planEdgeFlip, Hinge::Top},
    {63, "flip_in_around_bottom", "绕下边向外翻转进来", kNone, planEdgeFlip, Hinge::Bottom},
    // Squeezes and shrinks to a corner.
    {66, "shrink_to_middle", "从四周向中间缩小", widthOver(17), planShrink, ShrinkToward::Middle},
    {67, "squeeze_from_left_and_right", "从左右两边向中间缩小", widthOver(16), planShrink,
     ShrinkToward::LeftAndRight},
    {68, "squeeze_from_top_and_bottom", "从上下两边向中间缩小", heightOver(16), planShrink,
     ShrinkToward::TopAndBottom},
    {81, "shrink_to_top_left", "向左上角逐渐缩小", kNone, planShrink, ShrinkToward::TopLeft},
    {82, "shrink_to_bottom_left", "向左下角逐渐缩小", kNone, planShrink,
     ShrinkToward::BottomLeft},
    {83, "shrink_to_top_right", "向右上角逐渐缩小", kNone, planShrink, ShrinkToward::TopRight},
    {84, "shrink_to_bottom_right", "向右下角逐渐缩小", kNone, planShrink,
     ShrinkToward::BottomRight},
    // Move to the middle and grow.
    {89, "move_from_top_and_grow", "从上移到中间由小变大", kNone, planMoveAndGrow, Entry::Top},
    {90, "move_from_bottom_and_grow", "从下移到中间由小变大", kNone, planMoveAndGrow,
     Entry::Bottom},
    {91, "move_from_left_and_grow", "从左移到中间由小变大", kNone, planMoveAndGrow, Entry::Left},
    {92, "move_from_right_and_grow", "从右移到中间由小变大", kNone, planMoveAndGrow,
     Entry::Right},
    // Grow and reveal from a corner, a side or the centre.
    {5, "grow_from_top_left", "从左上角由小变大", widthOver(16), planGrowReveal,
     GrowReveal::GrowFromTopLeft},
    {6, "reveal_from_top_left", "从左上角展开", widthOver(16), planGrowReveal,
     GrowReveal::RevealFromTopLeft},
    {7, "grow_from_bottom_left", "从左下角由小变大", widthOver(16), planGrowReveal,
     GrowReveal::GrowFromBottomLeft},
    {8, "reveal_from_bottom_left", "从左下角展开", widthOver(16), planGrowReveal,
     GrowReveal::RevealFromBottomLeft},
    {9, "grow_from_top_right", "从右上角由小变大", widthOver(16), planGrowReveal,
     GrowReveal::GrowFromTopRight},
    {10, "reveal_from_top_right", "从右上角展开", widthOver(16), planGrowReveal,
     GrowReveal::RevealFromTopRight},
    {11, "grow_from_bottom_right", "从右下角由小变大", widthOver(16), planGrowReveal,
     GrowReveal::GrowFromBottomRight},
    {12, "reveal_from_bottom_right", "从右下角展开", widthOver(16), planGrowReveal,
     GrowReveal::RevealFromBottomRight},
    {13, "grow_from_left_middle", "从左侧中间由小变大", widthOver(16), planGrowReveal,
     GrowReveal::GrowFromLeftMiddle},
    {14, "grow_from_top_middle", "从上侧中间由小变大", heightOver(16), planGrowReveal,
     GrowReveal::GrowFromTopMiddle},
    {15, "grow_from_right_middle", "从右侧中间由小变大", widthOver(16), planGrowReveal,
     GrowReveal::GrowFromRightMiddle},
    {16, "grow_from_bottom_middle", "从下侧中间由小变大", heightOver(16), planGrowReveal,
     GrowReveal::GrowFromBottomMiddle},
    {17, "grow_from_centre", "从中间由小变大", widthOver(17), planGrowReveal,
     GrowReveal::GrowFromCentre},
    {18, "reveal_from_centre", "从中间向四周展开(方)", widthOver(16), planGrowReveal,
     GrowReveal::RevealFromCentre},
    {19, "reveal_to_left_and_right", "从中间向左右展开", widthOver(16), planGrowReveal,
     GrowReveal::RevealToLeftAndRight},
    {20, "reveal_up_and_down", "从中间向上下展开", heightOver(16), planGrowReveal,
     GrowReveal::RevealUpAndDown},
    {21, "reveal_left_to_right", "从左向右展开", widthOver(16), planGrowReveal,
     GrowReveal::RevealLeftToRight},
    {22, "reveal_top_to_bottom", "从上向下展开", heightOver(16), planGrowReveal,
     GrowReveal::RevealTopToBottom},
    {23, "reveal_bottom_to_top", "从下向上展开", heightOver(16), planGrowReveal,
     GrowReveal::RevealBottomToTop},
    {24, "reveal_right_to_left", "从右向左展开", widthOver(16), planGrowReveal,
     GrowReveal::RevealRightToLeft},
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

// The family names in the order of the EffectVariant alternatives.
constexpr const char* kFamilyNames[] = {
    "zoom_fade",     "edge_wipe",      "clock_wipe", "shape_reveal", "drag_slide",
    "rotating_zoom", "door",           "staircase_blind", "arrow_sweep", "diagonal",
    "edge_flip",     "squeeze_shrink", "move_grow",  "grow_reveal"};
static_assert(std::size(kFamilyNames) == std::variant_size_v<EffectVariant>);

}  // namespace

const std::vector<EffectRow>& effectRows() { return kRows; }

const EffectRow* findEffectRow(int animationIndex) {
  if (animationIndex < 0 || animationIndex >= 100) return nullptr;
  return rowByIndex()[animationIndex];
}

const EffectRow* findEffectRow(std::string_view id) {
  for (const EffectRow& row : kRows)
    if (row.id == id) return &row;
  return nullptr;
}

const char* familyName(const EffectVariant& variant) { return kFamilyNames[variant.index()]; }

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

WandPtr runEffect(int animationIndex, int canvasWidth, int canvasHeight, MagickWand* picture,
                  WandPtr previous, FrameHandOn& out) {
  const TransitionJob job{canvasWidth, canvasHeight, picture,
                          effectParams(animationIndex, canvasWidth, canvasHeight), out, previous};
  const EffectRow* row = findEffectRow(animationIndex);
  return row ? playTransition(job, row->family(job, row->variant)) : renderNoAnimation(job);
}

int countEffectFrames(int animationIndex, int canvasWidth, int canvasHeight, int holdFrames) {
  FrameHandOn out = FrameHandOn::forCounting(holdFrames);
  runEffect(animationIndex, canvasWidth, canvasHeight, nullptr, nullptr, out);
  return out.frameCount();
}

}  // namespace pictavo
