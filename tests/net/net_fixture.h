// Common start of the network tests: an empty socket pool, the default time-outs, default
// service settings and no proxy (whatever the caller's environment says) and an empty
// information log.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "net/net_settings.h"
#include "net/socket_pool.h"
#include "project/service_config.h"
#include "util/info_log.h"

namespace pictavo::test {

class NetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    socket_pool_init();
    closePooledSockets();
    setNetTimeouts({});
    for (const char* name :
         {"PICTAVO_SERVICE_URL", "PICTAVO_VENDOR_DOMAIN", "PICTAVO_VENDOR_FALLBACK_IP",
          "http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
      unsetenv(name);
    resetServiceSettings();
    takeKeptInfoMessages();
  }
  void TearDown() override {
    closePooledSockets();
    setNetTimeouts({});
    resetServiceSettings();
  }
};

}  // namespace pictavo::test
