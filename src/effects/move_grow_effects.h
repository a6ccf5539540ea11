// Move to the middle and grow: a small copy of the incoming picture enters from one edge
// ("从上移到中间由小变大", "从下移到中间由小变大", "从左移到中间由小变大",
// "从右移到中间由小变大"), travels toward the middle over the outgoing picture, then grows
// about the centre until it fills the screen.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planMoveAndGrow(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
