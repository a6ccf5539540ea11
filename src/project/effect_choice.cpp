#include "project/effect_choice.h"

#include <cstdlib>
#include <functional>
#include <thread>

#include "effects/effect_names.h"

namespace pictavo {

void seedEffectChoiceFromThread() {
  seedEffectChoice(static_cast<unsigned>(std::hash<std::thread::id>{}(std::this_thread::get_id())));
}

void seedEffectChoice(unsigned seed) { std::srand(seed); }

int randomInRange(int lo, int hi) { return lo + std::rand() % (hi - lo + 1); }

int randomEffectExcept(int avoidA, int avoidB) {
  for (;;) {
    int effect = randomInRange(0, kLastRandomEffect);
    if (effect != avoidA && effect != avoidB) return effect;
  }
}

void chooseEffectForNewPicture(std::vector<ImageItem>& pictures, int position, ImageItem& added) {
  int count = static_cast<int>(pictures.size());
  if (count == 0) {
    added.setEffect(kNoAnimation);
  } else if (position < 0 || position >= count) {
    int last = pictures.back().animationIndex;
    added.setEffect(randomEffectExcept(last, last));
  } else if (position > 0) {
    added.setEffect(randomEffectExcept(pictures[position - 1].animationIndex,
                                       pictures[position].animationIndex));
  } else {
    added.setEffect(kNoAnimation);
    ImageItem& first = pictures.front();
    if (count == 1) {
      first.setEffect(randomInRange(0, kLastRandomEffect));
    } else if (first.animationIndex == kNoAnimation) {
      int second = pictures[1].animationIndex;
      first.setEffect(randomEffectExcept(second, second));
    }
  }
}

}  // namespace pictavo
