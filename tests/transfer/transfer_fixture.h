// A registry over the test platform, with time-outs short enough for tests that let them pass.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "tests/support/test_platform.h"
#include "transfer/transfer_threads.h"

namespace zeb::testing {

// Patience for things that happen at once unless something is broken; never a measured time.
inline constexpr std::chrono::seconds generousWait{60};

// The same limit for connecting and for each kind of transfer.
inline TransferLimits limitsOf(std::chrono::milliseconds limit) { return TransferLimits{limit, limit, limit}; }
inline TransferLimits testLimits() { return limitsOf(std::chrono::seconds(20)); }

class TransferTest : public ::testing::Test {
 protected:
  void useLimits(TransferLimits limits) {
    registry.reset();
    registry = std::make_unique<TransferRegistry>(platform.events, platform.messages, limits);
  }

  // Runs the endings the transfer threads post, on this thread, until no transfer is left.
  // False when a transfer never ended.
  bool runUntilIdle() {
    while (registry->runningCount() > 0) {
      if (!platform.events.waitForPosted(generousWait)) return false;
      platform.events.runPending();
    }
    return true;
  }

  TestPlatform platform;
  std::unique_ptr<TransferRegistry> registry =
      std::make_unique<TransferRegistry>(platform.events, platform.messages, testLimits());
};

}  // namespace zeb::testing
