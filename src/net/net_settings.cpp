#include "net/net_settings.h"

#include <mutex>

namespace pictavo {
namespace {

std::mutex gMutex;
NetTimeouts gTimeouts;
std::string gCertificates;

}  // namespace

NetTimeouts netTimeouts() {
  std::lock_guard lock(gMutex);
  return gTimeouts;
}

void setNetTimeouts(const NetTimeouts& timeouts) {
  std::lock_guard lock(gMutex);
  gTimeouts = timeouts;
}

std::string trustedCertificatesFile() {
  std::lock_guard lock(gMutex);
  return gCertificates;
}

void setTrustedCertificatesForTesting(const std::string& pemPath) {
  std::lock_guard lock(gMutex);
  gCertificates = pemPath;
}

}  // namespace pictavo
