// Squeezes and shrinks to a corner: the outgoing picture shrinks away over the whole incoming
// picture, toward the middle or toward one corner.
//   Middle "从四周向中间缩小": shrinks from all sides to the middle by params.step per frame.
//   LeftAndRight "从左右两边向中间缩小", TopAndBottom "从上下两边向中间缩小": squeezed from
//     two sides, slowing down at the end.
//   TopLeft "向左上角逐渐缩小", BottomLeft "向左下角逐渐缩小", TopRight "向右上角逐渐缩小",
//     BottomRight "向右下角逐渐缩小": shrinks toward a corner in 15 steps.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planShrink(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
