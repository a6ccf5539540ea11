#include "music/beat_cache.h"

#include <map>
#include <mutex>

#include "platform/file_identity.h"

namespace pictavo {
namespace {

struct BeatCache {
  std::mutex mutex;
  std::map<FileIdentity, TrackBeats> entries;
};

BeatCache& beatCache() {
  static BeatCache cache;
  return cache;
}

std::optional<TrackBeats> knownBeats(const std::optional<FileIdentity>& key) {
  if (!key) return std::nullopt;
  BeatCache& cache = beatCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  auto found = cache.entries.find(*key);
  if (found == cache.entries.end()) return std::nullopt;
  return found->second;
}

}  // namespace

std::optional<TrackBeats> cachedTrackBeats(const std::string& path) {
  return knownBeats(fileIdentity(path));
}

TrackBeats trackBeatsOf(const std::string& path, std::string* error) {
  std::optional<FileIdentity> key = fileIdentity(path);
  if (auto known = knownBeats(key)) return *known;
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
