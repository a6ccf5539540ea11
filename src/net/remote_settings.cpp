#include "net/remote_settings.h"

#include <cctype>
#include <charconv>

#include "net/http_client.h"
#include "net/service_paths.h"
#include "project/service_config.h"
#include "util/charset.h"

namespace pictavo {
namespace {

constexpr size_t kLongestValue = 4096;

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

std::optional<int> numberIn(std::string_view text, int low, int high) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

// Printable text without control characters, converted to GBK.
std::optional<std::string> plainText(std::string_view text) {
  if (text.empty() || text.size() > kLongestValue) return std::nullopt;
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7f) return std::nullopt;
  }
  return utf8ToGb18030(text);
}

std::optional<std::string> webAddress(std::string_view text) {
  if (text.rfind("http://", 0) != 0 && text.rfind("https://", 0) != 0) return std::nullopt;
  if (text.find(' ') != std::string_view::npos) return std::nullopt;
  return plainText(text);
}

std::optional<std::string> hostName(std::string_view text) {
  if (text.empty() || text.size() > 253) return std::nullopt;
  for (unsigned char c : text) {
    if (!std::isalnum(c) && c != '.' && c != '-') return std::nullopt;
  }
  return std::string(text);
}

void take(RemoteSettings* s, std::string_view key, std::string_view value) {
  if (key == "audio_bit_rate") {
    if (auto v = numberIn(value, 96, 320)) s->audioBitRate = v;
  } else if (key == "service_mode") {
    if (auto v = numberIn(value, 0, 6)) s->serviceMode = v;
  } else if (key == "picture_types") {
    if (auto v = numberIn(value, 1, 3); v && *v != 2) s->pictureTypes = v;
  } else if (key == "item_data_template") {
    if (auto v = webAddress(value)) s->itemDataTemplate = v;
  } else if (key == "cookie") {
    if (auto v = plainText(value)) s->cookie = v;
  } else if (key == "item_api_host") {
    if (auto v = hostName(value)) s->itemApiHost = v;
  } else if (key == "item_page_referer") {
    if (auto v = webAddress(value)) s->itemPageReferer = v;
  }
}

}  // namespace

RemoteSettings parseRemoteSettings(std::string_view utf8Text) {
  RemoteSettings settings;
  while (!utf8Text.empty()) {
    size_t end = utf8Text.find('\n');
    std::string_view line = utf8Text.substr(0, end);
    size_t equals = line.find('=');
    if (equals != std::string_view::npos)
      take(&settings, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
    if (end == std::string_view::npos) break;
    utf8Text.remove_prefix(end + 1);
  }
  return settings;
}

void applyServiceSettings(const RemoteSettings& r) {
  updateServiceSettings([&](ServiceSettings& s) {
    if (r.audioBitRate) s.audioBitRate = *r.audioBitRate;
    if (r.serviceMode) s.serviceMode = *r.serviceMode;
    if (r.pictureTypes) s.pictureTypes = *r.pictureTypes;
    if (r.itemDataTemplate) s.itemDataTemplate = *r.itemDataTemplate;
    if (r.cookie) s.cookie = *r.cookie;
    if (r.itemApiHost) s.itemApiHost = *r.itemApiHost;
    if (r.itemPageReferer) s.itemPageReferer = *r.itemPageReferer;
  });
}

void applyAudioBitRate(const RemoteSettings& settings, Preferences* preferences) {
  if (settings.audioBitRate && preferences) preferences->audioBitRate = *settings.audioBitRate;
}

std::optional<RemoteSettings> readRemoteSettings() {
  std::string address = serviceAddress(serviceSettings(), kRemoteSettingsPath);
  if (address.empty()) return std::nullopt;
  HttpRequest request;
  request.url = address;
  HttpResponse response = webRequest(request);
  if (!response.ok) return std::nullopt;
  RemoteSettings settings = parseRemoteSettings(response.body);
  applyServiceSettings(settings);
  return settings;
}

}  // namespace pictavo
