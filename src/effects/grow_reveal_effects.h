// Grow and reveal: a rectangle of the incoming picture grows by params.step pixels a frame
// from a corner, the middle of a side, the centre or an edge until it fills the screen. The
// "grow" effects ("从左上角由小变大" ... "从中间由小变大") scale the whole picture into the
// rectangle; the "reveal" effects ("从左上角展开" ... "从右向左展开") uncover the picture in
// place.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planGrowReveal(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
