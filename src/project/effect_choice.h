// The effect a newly added picture gets. Random choices use the C library's rand, seeded
// with the thread id at start-up; tests seed it themselves.
#pragma once

#include <vector>

#include "project/project_model.h"

namespace pictavo {

// Seeds the generator with the current thread's id.
void seedEffectChoiceFromThread();
void seedEffectChoice(unsigned seed);

// Uniform in lo..hi inclusive.
int randomInRange(int lo, int hi);

// A random effect in 0..92 that differs from both `avoidA` and `avoidB`.
int randomEffectExcept(int avoidA, int avoidB);

// Gives the picture about to be inserted at `position` (-1 appends) its effect, and the
// current first picture a new one when the insertion pushes it to second place.
void chooseEffectForNewPicture(std::vector<ImageItem>& pictures, int position, ImageItem& added);

}  // namespace pictavo
