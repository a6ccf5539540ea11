// Doors and flying quarters: a picture split into halves or quarters whose pieces move to or
// from the edges and corners of the canvas.
//   OpenSideways "左右开门", OpenVertically "上下开门": the outgoing picture's halves slide out
//     to the left and right, or upward and downward.
//   CloseSideways "左右关门", CloseVertically "上下关门": the incoming picture's halves slide
//     in from the left and right, or from the top and bottom.
//   QuartersFlyIn "从四角向中间飞进": the incoming picture's quarters fly in from the corners.
//   QuartersFlyOut "从中间向四角飞出": the outgoing picture's quarters fly out to the corners.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planDoor(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
