// The caret bar and its blinking.
#include "text/caret.h"

#include <algorithm>

#include "platform/event_queue.h"

namespace zeb {

TZEBcursor::TZEBcursor() = default;
TZEBcursor::~TZEBcursor() = default;

CanvasRect TZEBcursor::bar() const {
  return {position_.X, position_.Y, position_.X + barWidth, position_.Y + std::max(position_.LineHeight, 1)};
}

void TZEBcursor::show(EventQueue* events, std::function<void()> repaint) {
  shown_ = true;
  blinkOn_ = true;
  if (events == nullptr) return;
  if (!timer_) timer_ = events->createTimer();
  timer_->start(blinkMilliseconds, TimerMode::repeating, [this, repaint = std::move(repaint)] {
    blinkOn_ = !blinkOn_;
    if (repaint) repaint();
  });
}

void TZEBcursor::hide() {
  shown_ = false;
  blinkOn_ = true;
  if (timer_) timer_->stop();
}

}  // namespace zeb
