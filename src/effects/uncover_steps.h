// The frame sequence shared by the arrows, sweeps and diagonal wipes: a shape of the incoming
// picture, grown step by step, is filled onto the outgoing picture (or black) in 19 frames
// that each add to the last, then the plain picture is the final frame.
#pragma once

namespace pictavo {

inline constexpr int kUncoverSteps = 20;  // 19 drawn frames and the final frame

}  // namespace pictavo
