#include "effects/shrink_steps.h"

#include <algorithm>

namespace pictavo {
namespace {

int boundedStep(int full, int step) { return std::clamp(step, 1, std::max(full, 1)); }

}  // namespace

std::vector<int> evenShrinkSizes(int full, int step) {
  const int S = boundedStep(full, step);
  std::vector<int> sizes;
  for (int d = full - S, s = S; d > 0;) {
    sizes.push_back(d);
    s = std::min(s, d);
    d -= s;
  }
  return sizes;
}

std::vector<int> squeezeSizes(int full, int step) {
  const int S = boundedStep(full, step);
  std::vector<int> sizes;
  // Every branch makes d smaller, so the walk ends at 0.
  for (int d = full - S, s = S; d > 0;) {
    sizes.push_back(d);
    if (d == s && s == S) {
      s = d / 2;
      d = d / 2 + d / 4;
    } else if (d >= s || s != S) {
      s = std::min(s, d);
      d -= s;
    } else {
      s = d / 2;
      d = d / 2;
    }
  }
  return sizes;
}

std::vector<int> cornerShrinkSizes(int step) {
  std::vector<int> sizes;
  for (int k = 15; k >= 1; --k) sizes.push_back(k * step);
  return sizes;
}

}  // namespace pictavo
