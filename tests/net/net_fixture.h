// Common start of the network tests: an empty socket pool, the default time-outs, service
// settings from a clean environment and an empty information log.
#pragma once

#include <gtest/gtest.h>

#include "net/connection.h"
#include "net/service_config.h"
#include "net/socket_pool.h"
#include "util/info_log.h"

namespace pictavo::test {

class NetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    socket_pool_init();
    closePooledSockets();
    setNetTimeouts({});
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
