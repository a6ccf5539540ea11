// Effects that change the whole picture at once: the two zooms, which scale the incoming
// picture about the canvas centre while the previous picture fades out over it, and the
// cross-fade from the previous picture into the incoming one.
//   ZoomOut "逐渐缩小": the picture starts enlarged by frames x step pixels and shrinks to its
//     fitted size.
//   ZoomIn "逐渐放大": the picture grows from its fitted size by frames x step pixels and
//     stays so.
//   Fade "淡入淡出": the previous picture dissolves into the incoming one, step percent per
//     frame.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planZoomFade(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
