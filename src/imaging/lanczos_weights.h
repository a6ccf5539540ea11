// Lanczos-3 weights for resampling one axis, worked out once per resize and kept in fixed
// point so that the passes over the pixels are integer multiply-adds.
#pragma once

#include <cstdint>
#include <vector>

namespace pictavo {

// Weights are fractions of 1 << kWeightBits.
inline constexpr int kWeightBits = 14;

// Runs of weights are padded to a multiple of this many taps.
inline constexpr int kTapGroup = 8;

// For each output pixel: the first source pixel it reads and its run of weights. Source
// pixels past the edges count as the edge pixel (their weights are folded onto it), so
// every run lies inside the source. Each run is followed by zero weights up to a multiple of
// kTapGroup, so that a pass can take weights a whole group at a time.
struct AxisWeights {
  std::vector<int> first;   // per output pixel
  std::vector<int> count;   // per output pixel
  std::vector<int> offset;  // per output pixel, into `weights`
  std::vector<int16_t> weights;
  int lowestSource = 0, highestSource = 0;  // the source pixels any output pixel reads
};

// Weights for output pixels [from, to) of an axis resized from sourceSize to targetSize
// pixels: output pixel i is centred on source position (i + 0.5) * sourceSize / targetSize.
// Shrinking widens the kernel by the scale so that it also filters away the detail the
// smaller size cannot hold. Each run sums to exactly 1 << kWeightBits.
AxisWeights lanczosWeights(int sourceSize, int targetSize, int from, int to);

// Weights for output pixels [from, to) of an axis that shows the stretch [start, start +
// span) of a sourceSize-pixel source (sub-pixel positions) on targetSize pixels: output pixel
// i is centred on source position start + (i + 0.5) * span / targetSize.
AxisWeights lanczosWeightsOver(int sourceSize, double start, double span, int targetSize, int from,
                               int to);

}  // namespace pictavo
