// The vendor service and import settings, shared by the HTTP client, the product import and
// the background tasks. The base address is a deployment value: $PICTAVO_SERVICE_URL, else
// the preferences store's `service_url`, else empty (no service) until a caller sets it. The remote
// settings reader updates the rest. Thread-safe: readers take a copy.
#pragma once

#include <functional>
#include <string>

namespace pictavo {

inline constexpr int kDefaultAudioBitRate = 128;  // kbit/s

struct ServiceSettings {
  std::string baseUrl;  // "http://host[:port]" without a trailing "/"; "" = none
  int audioBitRate = kDefaultAudioBitRate;
  int serviceMode = 0;           // 1, 3, 5, 6 choose the direct loaders
  int pictureTypes = 1;          // 3 offers the colour-category choices
  std::string itemDataTemplate;  // marketplace item data address; "%s" stands for the item id
  std::string cookie;            // sent on the second item-page request
  std::string itemApiHost;       // host of the mobile item interface (chooses the loader)
  std::string itemPageReferer;   // marketplace item page address; "%s" stands for the item id
  // A host containing this suffix that does not resolve is reached at the fallback address.
  std::string vendorDomainSuffix;     // $PICTAVO_VENDOR_DOMAIN, e.g. ".example.com"
  std::string vendorFallbackAddress;  // $PICTAVO_VENDOR_FALLBACK_IP, dotted IPv4
};

// A copy of the current settings.
ServiceSettings serviceSettings();

// Sets the base address (trailing "/" removed); "" turns the service off.
void setServiceBaseUrl(const std::string& url);

// Changes the settings under the lock.
void updateServiceSettings(const std::function<void(ServiceSettings&)>& change);

// Back to the defaults read from the environment (start of a test).
void resetServiceSettings();

// base + path ("/x.asp"), or "" when no service address is configured.
std::string serviceAddress(const ServiceSettings& settings, const std::string& path);

}  // namespace pictavo
