#include "net/socket_pool.h"

#include <array>
#include <cstdio>
#include <mutex>

#include "net/curl_global.h"

namespace pictavo {
namespace {

// One lock per kind of data libcurl shares; a share handle outlives every request using it.
struct ShareLocks {
  std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;
};

void lockShare(CURL*, curl_lock_data data, curl_lock_access, void* user) {
  static_cast<ShareLocks*>(user)->locks[static_cast<size_t>(data)].lock();
}

void unlockShare(CURL*, curl_lock_data data, void* user) {
  static_cast<ShareLocks*>(user)->locks[static_cast<size_t>(data)].unlock();
}

std::shared_ptr<CURLSH> newShare() {
  auto* locks = new ShareLocks;
  CURLSH* share = curl_share_init();
  if (!share) {
    delete locks;
    return nullptr;
  }
  curl_share_setopt(share, CURLSHOPT_LOCKFUNC, lockShare);
  curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, unlockShare);
  curl_share_setopt(share, CURLSHOPT_USERDATA, locks);
  curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
  curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
  return std::shared_ptr<CURLSH>(share, [locks](CURLSH* s) {
    curl_share_cleanup(s);  // closes the idle connections
    delete locks;
  });
}

std::mutex gPoolMutex;
std::shared_ptr<CURLSH> gPool;
bool gInitialised = false;

}  // namespace

void socket_pool_init() {
  initCurl();
  std::lock_guard lock(gPoolMutex);
  gInitialised = true;
  if (!gPool) gPool = newShare();
}

void closePooledSockets() {
  std::shared_ptr<CURLSH> old;
  std::lock_guard lock(gPoolMutex);
  if (!gInitialised) return;
  old = std::move(gPool);  // released by the last request that still holds it
  gPool = newShare();
}

std::shared_ptr<CURLSH> leasePooledConnections() {
  std::lock_guard lock(gPoolMutex);
  if (!gInitialised) std::printf("map == null, 因没有调用 socket_pool_init()\n");
  return gPool;
}

}  // namespace pictavo
