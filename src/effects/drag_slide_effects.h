// Drags, slide-outs and slide-ins: whole pictures move across the canvas. In a drag the
// incoming picture pushes the outgoing one out of the opposite edge; in a slide-out the
// outgoing picture slides off the still incoming one; in a slide-in the incoming picture
// slides over the still outgoing one. Each is named by the direction of the movement:
//   drags "从左向右拖出", "从右向左拖出", "从上向下拖出", "从下向上拖出";
//   slide-outs "从左向右滑出", "从右向左滑出", "从上向下滑出", "从下向上滑出";
//   slide-ins "从左向右滑入", "从右向左滑入", "从上向下滑入", "从下向上滑入".
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planDragSlide(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
