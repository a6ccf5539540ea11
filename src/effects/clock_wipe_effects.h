// Clock wipes: pie slices centred on the canvas sweep over the previous picture like the hand
// of a clock, uncovering the incoming picture; the windmill turns four blades at once. The
// first picture of a project is uncovered over black. The hands turn angleStep degrees a
// frame.
//   ClockwiseFromTwelve "12点顺时针方向展开", CounterClockwiseFromTwelve "12点逆时针方向展开":
//     one hand from 12 o'clock.
//   ClockwiseFromNine "9点顺时针方向展开" (upwards first), CounterClockwiseFromNine
//     "9点逆时针方向展开" (downwards first): one hand from 9 o'clock.
//   BothWaysFromTwelve "顺逆时针方向同时展开": two hands from 12 o'clock, both ways at once,
//     meeting at 6.
//   Windmill "风车": four blades from 12, 3, 6 and 9 o'clock, each sweeping a quarter
//     clockwise.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planClockWipe(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
