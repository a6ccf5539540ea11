// "无动画": the picture comes in with a hard cut and is held for its pause, its caption at
// full strength from the first frame.
#pragma once

#include "effects/effect_renderer.h"

namespace pictavo {

WandPtr renderNoAnimation(const TransitionJob& job);

}  // namespace pictavo
