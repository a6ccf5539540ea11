// Arrow and sweep wipes: a polygon of the incoming picture grows over the previous picture,
// either an arrow head running across the screen from one edge ("箭头从左到右展开",
// "箭头从右到左展开", "箭头从上到下展开", "箭头从下到上展开"), or a wedge pushed from one edge
// to the opposite one whose tip then widens along that edge ("下方向两边扫射展开",
// "上方向两边扫射展开", "左方向两边扫射展开", "右方向两边扫射展开"). The first picture of a
// project is uncovered over black.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planArrowSweep(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
