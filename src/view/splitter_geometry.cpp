// The splitter's drag size and the striped bar's lines.
#include "view/splitter_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zeb {

SplitterDragSize draggedTargetSize(const SplitterDrag& drag) {
  const std::int64_t change = drag.targetBefore ? drag.movement : -std::int64_t{drag.movement};
  std::int64_t size = std::int64_t{drag.targetSize} + change;
  bool limited = false;
  if (size < drag.minTargetLimit) {
    size = drag.minTargetLimit;
    limited = true;
  }
  const std::int64_t upper = std::int64_t{drag.parentExtent} - drag.maxTargetLimit;
  if (size > upper) {
    size = upper;
    limited = true;
  }
  size = std::clamp<std::int64_t>(size, 0, std::numeric_limits<int>::max());
  return {static_cast<int>(size), limited};
}

std::vector<StripeLine> tigerStripes(const StripeRequest& request) {
  const int step = request.lineStep > 0 ? request.lineStep : 10;
  // Drawn as for a bar that moves vertically (stripes standing across its width); a bar
  // that moves sideways gets the same lines with x and y exchanged.
  const int length = request.movesVertically ? request.width : request.height;
  const int across = request.movesVertically ? request.height : request.width;
  std::vector<StripeLine> lines;
  const auto add = [&](int a1, int b1, int a2, int b2, bool highlight) {
    if (request.movesVertically)
      lines.push_back({a1, b1, a2, b2, highlight});
    else
      lines.push_back({b1, a1, b2, a2, highlight});
  };
  const int count = length / step - 1;
  for (int i = 1; i <= count; ++i) {
    const int at = request.offset + i * step;
    add(at, 2, at, across - 3, true);
    add(at + 1, 2, at + 1, across - 3, false);
  }
  if (request.raisedBevel) {
    add(request.offset, 0, length - 1, 0, true);
    add(request.offset, 0, request.offset, across - 1, true);
    add(length - 1, 0, length - 1, across - 1, false);
    add(request.offset, across - 1, length - 1, across - 1, false);
  }
  return lines;
}

}  // namespace zeb
