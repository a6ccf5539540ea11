// Rotating zooms: one picture spins about the canvas centre while it changes size and
// opacity. The incoming picture grows out of the middle over the outgoing one
// ("顺时针旋转由小变大", "逆时针旋转由小变大"), or the outgoing picture shrinks into the middle
// over the incoming one ("顺时针旋转由大变小", "逆时针旋转由大变小"), turning clockwise or
// counter-clockwise.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planSpin(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
