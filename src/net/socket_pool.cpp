#include "net/socket_pool.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "net/connection.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

using PoolMap = std::unordered_map<std::string, std::vector<SocketHandle>>;

std::mutex gPoolMutex;
std::unique_ptr<PoolMap> gPool;

std::string keyOf(const std::string& host, uint16_t port) {
  return strprintf("%s:%d", host.c_str(), port);
}

}  // namespace

void socket_pool_init() {
  std::lock_guard lock(gPoolMutex);
  if (!gPool) gPool = std::make_unique<PoolMap>();
}

SocketHandle acquirePooledSocket(const std::string& host, uint16_t port, std::string* error) {
  {
    std::lock_guard lock(gPoolMutex);
    if (!gPool) {
      std::printf("map == null, 因没有调用 socket_pool_init()\n");
    } else {
      std::vector<SocketHandle>& idle = (*gPool)[keyOf(host, port)];
      if (!idle.empty()) {
        SocketHandle socket = idle.back();
        idle.pop_back();
        return socket;
      }
    }
  }
  return connectTcp(host, port, error);
}

void releasePooledSocket(const std::string& host, uint16_t port, SocketHandle socket) {
  if (socket == kNoSocket) return;
  {
    std::lock_guard lock(gPoolMutex);
    if (gPool) {
      auto entry = gPool->find(keyOf(host, port));
      if (entry != gPool->end()) {
        entry->second.push_back(socket);
        return;
      }
    }
  }
  closeSocket(socket);
}

void closePooledSockets() {
  std::lock_guard lock(gPoolMutex);
  if (!gPool) return;
  for (auto& [key, idle] : *gPool) {
    for (SocketHandle socket : idle) closeSocket(socket);
    idle.clear();
  }
}

int pooledSocketCount(const std::string& host, uint16_t port) {
  std::lock_guard lock(gPoolMutex);
  if (!gPool) return 0;
  auto entry = gPool->find(keyOf(host, port));
  return entry == gPool->end() ? 0 : static_cast<int>(entry->second.size());
}

}  // namespace pictavo
