// Converting Qt input for the text box.
#include "view/qt/qt_box_input.h"

namespace zeb {
namespace {

std::uint8_t modifiersOf(Qt::KeyboardModifiers modifiers) {
  std::uint8_t result = 0;
  if (modifiers & Qt::ShiftModifier) result |= modifier::shift;
  if (modifiers & Qt::ControlModifier) result |= modifier::control;
  if (modifiers & Qt::AltModifier) result |= modifier::alt;
  return result;
}

MouseButton buttonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButton::left;
    case Qt::RightButton: return MouseButton::right;
    case Qt::MiddleButton: return MouseButton::middle;
    default: return MouseButton::none;
  }
}

}  // namespace

MouseEvent boxMouseEvent(const QMouseEvent& event, bool doubleClick) {
  const QPoint point = event.position().toPoint();
  return {buttonOf(event.button()), point.x(), point.y(), modifiersOf(event.modifiers()), doubleClick};
}

MouseEvent boxMoveEvent(const QMouseEvent& event) {
  const QPoint point = event.position().toPoint();
  MouseButton held = MouseButton::none;
  if (event.buttons() & Qt::LeftButton)
    held = MouseButton::left;
  else if (event.buttons() & Qt::RightButton)
    held = MouseButton::right;
  else if (event.buttons() & Qt::MiddleButton)
    held = MouseButton::middle;
  return {held, point.x(), point.y(), modifiersOf(event.modifiers()), false};
}

KeyEvent boxKeyEvent(const QKeyEvent& event) {
  KeyEvent result;
  result.modifiers = modifiersOf(event.modifiers());
  switch (event.key()) {
    case Qt::Key_Left: result.key = Key::left; break;
    case Qt::Key_Right: result.key = Key::right; break;
    case Qt::Key_Up: result.key = Key::up; break;
    case Qt::Key_Down: result.key = Key::down; break;
    case Qt::Key_Home: result.key = Key::home; break;
    case Qt::Key_End: result.key = Key::end; break;
    case Qt::Key_PageUp: result.key = Key::pageUp; break;
    case Qt::Key_PageDown: result.key = Key::pageDown; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: result.key = Key::enter; break;
    case Qt::Key_F2: result.key = Key::f2; break;
    case Qt::Key_C: result.key = Key::letterC; break;
    case Qt::Key_Space: result.key = Key::space; break;
    default: result.key = Key::other; break;
  }
  return result;
}

Qt::CursorShape qtCursorShape(MouseCursor cursor) {
  switch (cursor) {
    case MouseCursor::text: return Qt::IBeamCursor;
    case MouseCursor::drag: return Qt::DragMoveCursor;
    case MouseCursor::wait: return Qt::WaitCursor;
    case MouseCursor::handPoint:
    case MouseCursor::handPoint2:
    case MouseCursor::editHand: return Qt::PointingHandCursor;
    case MouseCursor::openHand:
    case MouseCursor::openHandZoom:
    case MouseCursor::grab: return Qt::OpenHandCursor;
    case MouseCursor::fist: return Qt::ClosedHandCursor;
    case MouseCursor::zoom: return Qt::CrossCursor;
    case MouseCursor::anchor:
    case MouseCursor::standard: return Qt::ArrowCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace zeb
