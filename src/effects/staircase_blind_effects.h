// Raster staircases and blinds: the canvas is divided into equal strips (params.step of them)
// that all open onto the incoming picture. Blinds ("百叶窗式从左到右展开",
// "百叶窗式从上到下展开") open every strip at the same pace; a staircase
// ("从左到右光栅阶梯展开", "从右到左光栅阶梯展开", "从上到下光栅阶梯展开",
// "从下到上光栅阶梯展开") starts each strip one frame after the one before it.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planStrips(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
