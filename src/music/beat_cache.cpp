#include "music/beat_cache.h"

#include <map>
#include <mutex>
#include <tuple>

#include "platform/file_identity.h"

namespace pictavo {
namespace {

using CacheKey = std::tuple<uint64_t, uint64_t, uint64_t, int64_t>;

struct BeatCache {
  std::mutex mutex;
  std::map<CacheKey, TrackBeats> entries;
};

BeatCache& beatCache() {
  static BeatCache cache;
  return cache;
}

std::optional<CacheKey> keyOf(const std::string& path) {
  auto identity = fileIdentity(path);
  if (!identity) return std::nullopt;
  return CacheKey{identity->device, identity->inode, identity->size, identity->modifiedNs};
}

}  // namespace

std::optional<TrackBeats> cachedTrackBeats(const std::string& path) {
  auto key = keyOf(path);
  if (!key) return std::nullopt;
  BeatCache& cache = beatCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  auto found = cache.entries.find(*key);
  if (found == cache.entries.end()) return std::nullopt;
  return found->second;
}

TrackBeats trackBeatsOf(const std::string& path, std::string* error) {
  auto key = keyOf(path);
  if (auto known = cachedTrackBeats(path)) return *known;
  std::string why;
  TrackBeats beats = analyseTrackBeats(path, &why);
  if (error) *error = why;
  if (key) {
    BeatCache& cache = beatCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    cache.entries[*key] = beats;
  }
  return beats;
}

}  // namespace pictavo
