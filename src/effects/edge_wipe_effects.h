// Wipes with straight edges: a window or band of the previous picture shrinks to nothing, or
// four corner rectangles grow or shrink, uncovering the incoming picture. Neither picture
// moves; the first picture of a project is uncovered over black.
//   ShrinkingWindow "从四周向中间展开(方)": a centred window of the previous picture, in the
//     canvas proportions, shrinks by step pixels of width per frame.
//   NarrowingBand "从左右两侧向中间展开": a centred full-height band of the previous picture
//     narrows.
//   FlatteningBand "从上下两侧向中间展开": a centred full-width band of the previous picture
//     flattens.
//   CornersGrowIn "从四角向中间展开": the incoming picture's corners grow towards the middle.
//   CornersShrinkOut "从中间向四角展开": the previous picture's corners shrink into the canvas
//     corners.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planEdgeWipe(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
