// The timed link of a page: after the page's delay the frame set follows the page's target.
#pragma once

#include <cstdint>
#include <optional>

namespace zeb {

class TZEBoggetto;
class TZEBset;

namespace timedLink {
// The page's delay counts in steps of this many milliseconds.
inline constexpr int timerStep = 1000;
// No timed link fires sooner than this.
inline constexpr int minimumInterval = 100;
}  // namespace timedLink

// The delay of a page's timed link (record value, signed 16-bit) in milliseconds.
int timedLinkInterval(std::int16_t delay);

struct TimedLinkPlan {
  TZEBoggetto* target = nullptr;
  int interval = timedLink::minimumInterval;
};

// What the frame set arms after showing the page: only in a read-only frame set that runs
// timed links (ActivePreview), for a page whose target (an object ID) names an object.
std::optional<TimedLinkPlan> planTimedLink(const TZEBset& set, const TZEBoggetto* page, bool readOnly,
                                           bool activePreview);

}  // namespace zeb
