// Edge flips: the incoming picture swings in like a door hinged on one edge of the screen
// ("绕左边向外翻转进来", "绕右边向外翻转进来", "绕上边向外翻转进来", "绕下边向外翻转进来"),
// drawn as a growing perspective trapezoid over the outgoing picture.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planEdgeFlip(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
