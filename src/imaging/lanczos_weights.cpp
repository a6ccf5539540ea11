#include "imaging/lanczos_weights.h"

#include <algorithm>
#include <cmath>

namespace pictavo {
namespace {

constexpr double kLobes = 3;

double sinc(double x) {
  if (x == 0) return 1;
  const double px = M_PI * x;
  return std::sin(px) / px;
}

double lanczos3(double x) { return std::fabs(x) < kLobes ? sinc(x) * sinc(x / kLobes) : 0; }

// Rounds the run to fixed point so that it sums to exactly one: the rounding error goes to
// the largest weight, where it matters least.
void appendFixed(const std::vector<double>& run, double sum, std::vector<int16_t>& out) {
  const size_t start = out.size();
  int total = 0;
  size_t largest = start;
  for (double w : run) {
    const auto fixed = static_cast<int16_t>(std::lround(w / sum * (1 << kWeightBits)));
    if (out.size() == start || fixed > out[largest]) largest = out.size();
    out.push_back(fixed);
    total += fixed;
  }
  out[largest] = static_cast<int16_t>(out[largest] + ((1 << kWeightBits) - total));
  while ((out.size() - start) % kTapGroup != 0) out.push_back(0);
}

}  // namespace

AxisWeights lanczosWeights(int sourceSize, int targetSize, int from, int to) {
  return lanczosWeightsOver(sourceSize, 0.0, sourceSize, targetSize, from, to);
}

AxisWeights lanczosWeightsOver(int sourceSize, double start, double span, int targetSize, int from,
                               int to) {
  AxisWeights axis;
  const bool whole = start == 0.0 && span == sourceSize;
  const double scale = span / targetSize;
  const double widen = std::max(scale, 1.0);
  const double support = kLobes * widen;
  axis.lowestSource = sourceSize;
  std::vector<double> run;
  for (int i = from; i < to; ++i) {
    if (whole && sourceSize == targetSize) {  // an axis that keeps its size keeps its pixels exactly
      run.assign(1, 1.0);
      axis.first.push_back(i);
      axis.count.push_back(1);
      axis.offset.push_back(static_cast<int>(axis.weights.size()));
      appendFixed(run, 1.0, axis.weights);
      axis.lowestSource = std::min(axis.lowestSource, i);
      axis.highestSource = std::max(axis.highestSource, i);
      continue;
    }
    const double centre = start + (i + 0.5) * scale;
    const int lo = static_cast<int>(std::ceil(centre - support - 0.5));
    const int hi = static_cast<int>(std::floor(centre + support - 0.5));
    const int first = std::clamp(lo, 0, sourceSize - 1);
    const int last = std::clamp(hi, 0, sourceSize - 1);
    run.assign(static_cast<size_t>(last - first + 1), 0.0);
    double sum = 0;
    for (int k = lo; k <= hi; ++k) {
      const double w = lanczos3((k + 0.5 - centre) / widen);
      run[static_cast<size_t>(std::clamp(k, first, last) - first)] += w;
      sum += w;
    }
    axis.first.push_back(first);
    axis.count.push_back(last - first + 1);
    axis.offset.push_back(static_cast<int>(axis.weights.size()));
    appendFixed(run, sum, axis.weights);
    axis.lowestSource = std::min(axis.lowestSource, first);
    axis.highestSource = std::max(axis.highestSource, last);
  }
  return axis;
}

}  // namespace pictavo
