// The canvas's height-to-width ratio as the growing and shrinking effects use it: computed in
// double, rounded to single precision, then used in double arithmetic. The rounding shows in
// the truncated sizes, so every effect that scales with the canvas proportions shares it.
#pragma once

namespace pictavo {

inline double canvasRatio(int width, int height) {
  return static_cast<float>(static_cast<double>(height) / static_cast<double>(width));
}

// Truncation toward zero to a whole pixel.
inline long wholePixels(double value) { return static_cast<long>(value); }

}  // namespace pictavo
