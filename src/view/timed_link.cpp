// Timed links of pages.
#include "view/timed_link.h"

#include <algorithm>

#include "document/container.h"

namespace zeb {

int timedLinkInterval(std::int16_t delay) { return std::max(delay * timedLink::timerStep, timedLink::minimumInterval); }

std::optional<TimedLinkPlan> planTimedLink(const TZEBset& set, const TZEBoggetto* page, bool readOnly,
                                           bool activePreview) {
  if (!readOnly || !activePreview || page == nullptr) return std::nullopt;
  const std::int32_t targetId = page->record().i32(field::pageTimedLinkTarget);
  if (targetId == -1) return std::nullopt;
  // A target the book does not hold would fire only to be dropped.
  TZEBoggetto* target = set.objectById(static_cast<std::uint32_t>(targetId));
  if (target == nullptr) return std::nullopt;
  return TimedLinkPlan{target, timedLinkInterval(page->record().i16(field::pageTimedLinkDelay))};
}

}  // namespace zeb
