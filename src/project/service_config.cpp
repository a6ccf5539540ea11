#include "project/service_config.h"

#include <cstdlib>
#include <mutex>
#include <optional>

#include "project/preferences_store.h"

namespace pictavo {
namespace {

std::mutex gSettingsMutex;
std::optional<ServiceSettings> gSettings;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string withoutTrailingSlash(std::string url) {
  while (!url.empty() && url.back() == '/') url.pop_back();
  return url;
}

// The service address: $PICTAVO_SERVICE_URL, else the preferences store's `service_url`.
std::string configuredBaseUrl() {
  std::string url = environment("PICTAVO_SERVICE_URL");
  if (url.empty()) PreferencesStore::user().readString("service_url", &url);
  return withoutTrailingSlash(url);
}

ServiceSettings defaults() {
  ServiceSettings s;
  s.baseUrl = configuredBaseUrl();
  s.vendorDomainSuffix = environment("PICTAVO_VENDOR_DOMAIN");
  s.vendorFallbackAddress = environment("PICTAVO_VENDOR_FALLBACK_IP");
  return s;
}

ServiceSettings& current() {
  if (!gSettings) gSettings = defaults();
  return *gSettings;
}

}  // namespace

ServiceSettings serviceSettings() {
  std::lock_guard lock(gSettingsMutex);
  return current();
}

void setServiceBaseUrl(const std::string& url) {
  std::lock_guard lock(gSettingsMutex);
  current().baseUrl = withoutTrailingSlash(url);
}

void updateServiceSettings(const std::function<void(ServiceSettings&)>& change) {
  std::lock_guard lock(gSettingsMutex);
  change(current());
}

void resetServiceSettings() {
  std::lock_guard lock(gSettingsMutex);
  gSettings = defaults();
}

std::string serviceAddress(const ServiceSettings& settings, const std::string& path) {
  if (settings.baseUrl.empty()) return "";
  return settings.baseUrl + path;
}

}  // namespace pictavo
