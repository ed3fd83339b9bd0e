// How long a transfer may take: every transfer ends, at the latest, when its time-out passes.
#pragma once

#include <chrono>
#include <cstddef>

namespace zeb {

struct TransferLimits {
  // Name resolution and connecting together.
  std::chrono::milliseconds connect{15'000};
  // The whole transfer, from start to end.
  std::chrono::milliseconds web{60'000};
  std::chrono::milliseconds mail{60'000};
};

// Redirects a web request follows before it takes the last answer as its status.
inline constexpr long maximumWebRedirects = 5;
// Transfers that may run at once; a start beyond it is dropped, as a failed transfer would be.
inline constexpr std::size_t maximumRunningTransfers = 32;

}  // namespace zeb
