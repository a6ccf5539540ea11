// Circle, diamond and X reveals: a shape centred on the canvas grows from the middle filled
// with the incoming picture, or shrinks toward it filled with the outgoing one.
//   Circle, opening "从中间向四周展开(圆)": a circle of the incoming picture grows over the
//     outgoing one; closing "从四周向中间展开(圆)": one of the outgoing picture shrinks over
//     the incoming one.
//   Diamond, opening "从中间向四周展开(菱)" and closing "从四周向中间展开(菱)": the same with
//     a diamond.
//   X, opening "从中间向四周展开(X)": four wedges of the outgoing picture shrink toward the
//     edges, so an X of the incoming picture widens through the centre; closing
//     "从四周向中间展开(X)": four wedges of the incoming picture grow from the middles of the
//     edges toward the centre, narrowing an X of the outgoing picture.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planShapeReveal(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
