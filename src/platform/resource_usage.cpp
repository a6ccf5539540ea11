#include "platform/resource_usage.h"

#include <sys/resource.h>

namespace pictavo {
namespace {

ResourceUsage usageOf(int who) {
  rusage r{};
  getrusage(who, &r);
  ResourceUsage u;
  u.cpuSeconds = static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
                 static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
  u.peakRssMb = static_cast<double>(r.ru_maxrss) / 1024.0;
  return u;
}

}  // namespace

ResourceUsage ownUsage() { return usageOf(RUSAGE_SELF); }
ResourceUsage childrenUsage() { return usageOf(RUSAGE_CHILDREN); }

}  // namespace pictavo
