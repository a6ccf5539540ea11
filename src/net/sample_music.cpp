#include "net/sample_music.h"

#include <charconv>
#include <optional>

#include "net/http_client.h"
#include "net/service_paths.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "project/service_config.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

bool plainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char c : name) {
    if (c < 0x20 || c == '/' || c == '\\') return false;
  }
  return true;
}

std::optional<SampleTrack> trackOf(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  size_t first = line.find('|');
  size_t second = first == std::string_view::npos ? first : line.find('|', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  SampleTrack track;
  track.url = std::string(line.substr(0, first));
  std::string_view size = line.substr(first + 1, second - first - 1);
  auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), track.size);
  if (error != std::errc() || end != size.data() + size.size() || track.size <= 0)
    return std::nullopt;
  track.name = std::string(line.substr(second + 1));
  if (track.url.empty() || !plainFileName(track.name)) return std::nullopt;
  return track;
}

bool fetchTrack(const SampleTrack& track, const std::string& path) {
  HttpRequest request;
  request.url = track.url;
  request.keepAlive = true;
  HttpResponse response = webRequest(request);
  if (!response.ok || response.length != track.size) return false;
  return replaceFileAtomically(path, response.body);
}

}  // namespace

std::vector<SampleTrack> parseSampleMusicList(std::string_view text) {
  std::vector<SampleTrack> tracks;
  while (!text.empty()) {
    size_t end = text.find('\n');
    if (auto track = trackOf(text.substr(0, end))) tracks.push_back(*track);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return tracks;
}

int downloadSampleMusic() {
  std::string address = serviceAddress(serviceSettings(), kSampleMusicListPath);
  if (address.empty()) return 0;
  HttpRequest request;
  request.url = address;
  HttpResponse response = webRequest(request);
  if (!response.ok) return 0;
  auto list = utf8ToGb18030(response.body);
  if (!list) return 0;
  const std::string& folder = programFolders().music;
  if (!makeFolders(folder)) return 0;
  int written = 0;
  for (const SampleTrack& track : parseSampleMusicList(*list)) {
    std::string path = joinPath(folder, track.name);
    auto size = fileSize(path);
    if (size && static_cast<long long>(*size) == track.size) continue;
    if (fetchTrack(track, path)) ++written;
  }
  return written;
}

}  // namespace pictavo
