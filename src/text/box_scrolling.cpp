// Scrolling the page a box is shown on: keeping an area or the caret in view, and scrolling
// by steps.
#include <algorithm>

#include "text/box_host.h"
#include "text/text_box.h"

namespace zeb {
namespace {

// Room above the caret's line when it is brought into view with context.
constexpr int contextAbove = 25;

// The smallest change of a position that shows [low, high) in a view of the size.
int minimalPosition(int position, int size, int low, int high) {
  if (low < position) return low;
  if (size > 0 && high > position + size) return high - size;
  return position;
}

}  // namespace

void TZEBbox::makeVisible(const CanvasRect& area) {
  if (host_ == nullptr) return;
  if (isHosted()) {
    host_->makeVisible(*this, area);
    return;
  }
  const int horizontal = minimalPosition(horizontalPosition_, host_->clientWidth(), area.left, area.right);
  const int vertical = minimalPosition(verticalPosition_, host_->clientHeight(), area.top, area.bottom);
  if (horizontal == horizontalPosition_ && vertical == verticalPosition_) return;
  setScrollPosition(horizontal, vertical);
  host_->scrolled(*this);
}

void TZEBbox::scrollToCaret() { makeVisible(caret_.bar()); }

void TZEBbox::scrollToCaretWithContext() {
  const CanvasRect bar = caret_.bar();
  if (host_ == nullptr || isHosted()) {
    makeVisible(bar);
    return;
  }
  // A line out of view comes in near the top, with what goes before it above.
  const int height = host_->clientHeight();
  const bool inView = bar.top >= verticalPosition_ && (height <= 0 || bar.bottom <= verticalPosition_ + height);
  const int vertical = inView ? verticalPosition_ : std::max(0, bar.top - contextAbove);
  const int horizontal = minimalPosition(horizontalPosition_, host_->clientWidth(), bar.left, bar.right);
  if (horizontal == horizontalPosition_ && vertical == verticalPosition_) return;
  setScrollPosition(horizontal, vertical);
  host_->scrolled(*this);
}

void TZEBbox::scrollBy(int dx, int dy) {
  if (host_ == nullptr || isHosted()) return;
  const int oldHorizontal = horizontalPosition_;
  const int oldVertical = verticalPosition_;
  setScrollPosition(std::int64_t{horizontalPosition_} + dx, std::int64_t{verticalPosition_} + dy);
  if (horizontalPosition_ != oldHorizontal || verticalPosition_ != oldVertical) host_->scrolled(*this);
}

}  // namespace zeb
