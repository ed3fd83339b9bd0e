// The input a text box takes, as plain values: mouse and key events from whatever window
// hosts it, and the mouse cursors it asks that window to show.
#pragma once

#include <cstdint>

namespace zeb {

enum class MouseButton : std::uint8_t { none, left, right, middle };

namespace modifier {
inline constexpr std::uint8_t shift = 1;
inline constexpr std::uint8_t control = 2;
inline constexpr std::uint8_t alt = 4;
}  // namespace modifier

// A position in box coordinates. A press that completes a double click has doubleClick set;
// the release that follows it acts on the double click.
struct MouseEvent {
  MouseButton button = MouseButton::none;
  int x = 0;
  int y = 0;
  std::uint8_t modifiers = 0;
  bool doubleClick = false;
};

enum class Key : std::uint8_t {
  other,
  left,
  right,
  up,
  down,
  home,
  end,
  pageUp,
  pageDown,
  enter,
  f2,
  letterC,
  space,
};

struct KeyEvent {
  Key key = Key::other;
  std::uint8_t modifiers = 0;

  bool shift() const { return (modifiers & modifier::shift) != 0; }
  bool control() const { return (modifiers & modifier::control) != 0; }
};

// The cursors of the program's resources, numbered as the screen registers them, and the
// standard ones a box uses.
enum class MouseCursor : std::int8_t {
  standard = 0,   // the arrow
  text = 1,       // the text beam
  drag = -12,     // over a selection that can be dragged
  wait = -11,     // the hourglass
  handPoint = 2,  // "HANDPNT"
  handPoint2 = 3,
  editHand = 4,
  openHand = 5,
  grab = 6,
  fist = 7,
  openHandZoom = 8,
  zoom = 10,
  anchor = 11,
};

}  // namespace zeb
