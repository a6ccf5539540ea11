// The remote-settings reader: a background task that reads a small "key=value" text from
// the vendor service and applies the values that are valid (audio bit rate, service mode,
// picture-types flag, item data template, cookie, item interface host, item page referer).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "project/preferences.h"

namespace pictavo {

struct RemoteSettings {
  std::optional<int> audioBitRate;              // audio_bit_rate, 96..320 kbit/s
  std::optional<int> serviceMode;               // service_mode, 0..6
  std::optional<int> pictureTypes;              // picture_types, 1 or 3
  std::optional<std::string> itemDataTemplate;  // item_data_template, an http(s) address
  std::optional<std::string> cookie;            // cookie
  std::optional<std::string> itemApiHost;       // item_api_host, a host name
  std::optional<std::string> itemPageReferer;   // item_page_referer, an http(s) address
};

// Reads the text (UTF-8); lines that are not "key=value" with a known key and a valid value
// are ignored. Texts are returned in GBK.
RemoteSettings parseRemoteSettings(std::string_view utf8Text);

// Puts the values that are set into the shared service settings.
void applyServiceSettings(const RemoteSettings& settings);

// Hands a valid audio bit rate to the encoder's preferences.
void applyAudioBitRate(const RemoteSettings& settings, Preferences* preferences);

// One run: fetches the text, applies the service values and returns what it read. Nothing
// (at once) without a service address, and nothing when the request fails.
std::optional<RemoteSettings> readRemoteSettings();

}  // namespace pictavo
