// CPU time and peak memory of this process and of its ended children, for benchmarks.
#pragma once

namespace pictavo {

struct ResourceUsage {
  double cpuSeconds = 0;   // user + system
  double peakRssMb = 0;    // largest resident set seen
};

ResourceUsage ownUsage();
// Of the children that have ended and been waited for; the peak is the largest single one.
ResourceUsage childrenUsage();

}  // namespace pictavo
