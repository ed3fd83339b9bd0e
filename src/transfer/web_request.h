// One web request, run to its end on the calling thread: GET, or POST of the given bytes.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>

#include "transfer/transfer_limits.h"

namespace zeb {

struct WebRequest {
  std::string address;
  // With data the request is a POST of these bytes; without, a GET.
  std::optional<std::string> data;
};

// The status code of the last answer, or nothing when the request failed before any answer
// (name resolution, connection, time-out, an address that is not http or https). Every other
// error is swallowed: a status that arrived is kept even when the transfer broke off later.
// The answer's body is read and thrown away.
std::optional<long> performWebRequest(const WebRequest& request, const TransferLimits& limits,
                                      const std::atomic<bool>& abort);

// The text of the status box: the address, " [", the status code and "]".
std::string webStatusText(std::string_view address, long status);

inline bool isSuccessStatus(long status) { return status >= 200 && status <= 299; }

}  // namespace zeb
