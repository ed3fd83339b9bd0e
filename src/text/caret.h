// TZEBcursor: the caret of a text box, a bar as tall as its line at the position's X and Y.
#pragma once

#include <functional>
#include <memory>

#include "platform/canvas.h"
#include "text/text_position.h"

namespace zeb {

class EventQueue;
class Timer;

class TZEBcursor {
 public:
  static constexpr int barWidth = 3;
  static constexpr int blinkMilliseconds = 530;

  TZEBcursor();
  ~TZEBcursor();
  TZEBcursor(const TZEBcursor&) = delete;
  TZEBcursor& operator=(const TZEBcursor&) = delete;

  const TextPos& position() const { return position_; }
  void setPosition(const TextPos& position) { position_ = position; }

  bool shown() const { return shown_; }
  // Whether the bar is drawn now: shown, and in the visible phase of its blink.
  bool visibleNow() const { return shown_ && blinkOn_; }
  // The area of the bar in box coordinates.
  CanvasRect bar() const;

  // Shows the bar and starts it blinking; each change of phase calls the repaint.
  // Only the focused box shows its caret, so one blink timer runs at a time.
  void show(EventQueue* events, std::function<void()> repaint);
  void hide();

 private:
  TextPos position_;
  bool shown_ = false;
  bool blinkOn_ = true;
  std::unique_ptr<Timer> timer_;
};

}  // namespace zeb
