// The contract shared by every transition effect. An effect brings one picture in: it hands
// on the transition frames from the previous picture's last frame to the new picture, then
// holds the new picture for its pause while its caption fades in, and returns its last frame
// for the next picture. Whether it renders or only counts its frames is up to the FrameHandOn
// it is given: a counting one touches no image.
#pragma once

#include "effects/effect_variants.h"
#include "imaging/magick_handles.h"

namespace pictavo {

class FrameHandOn;
struct TransitionPlan;

// The effect's constants from the dispatch table: a frame count and a step (zooms), a step
// in pixels, a strip count or a fade step, or an angle step in degrees; most use one or none.
struct EffectParams {
  int frames = 0;
  int step = 0;
  double angleStep = 0.0;
};

// What an effect works on.
// picture: the incoming picture fitted on a width x height canvas; borrowed and never
//   changed; null in counting mode.
// previous: the last frame of the previous picture, or null for the first picture. In render
//   mode the effect takes it and it is gone when the effect returns; counting leaves it.
// out: where the frames go, with the caption and the hold; it decides render or counting mode.
struct TransitionJob {
  int width;
  int height;
  MagickWand* picture;
  EffectParams params;
  FrameHandOn& out;
  WandPtr& previous;
};

// A family's function: the plan (transition_plan.h) of the family's effect that `variant`
// selects: its steps, what each draws and how it composites. It reads the job's size and
// constants (and whether there is a previous picture), never its images.
using EffectRenderer = TransitionPlan (*)(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
