// BoxSurface: the window a text box is shown in (a widget, or nothing in tests and
// printing). The box asks it to repaint, to show a cursor, a hint or a popup menu, and
// about the focus; the window forwards its input to the box.
#pragma once

#include <string_view>

#include "platform/canvas.h"
#include "text/box_input.h"

namespace zeb {

class TZEBbox;

// Which popup menu a right click asks for: the frame set's PopupInactive, PopupSpecLink or
// PopupGenLink, or the box's own.
enum class PopupMenuChoice { PopupInactive, PopupSpecLink, PopupGenLink, boxOwn };

class BoxSurface {
 public:
  virtual ~BoxSurface() = default;

  // The area of the box (box coordinates) must be painted again.
  virtual void invalidate(const CanvasRect&) {}
  virtual void setMouseCursor(MouseCursor) {}
  // The box's Hint changed ("short|long", or empty).
  virtual void hintChanged(std::string_view) {}
  virtual bool hasFocus() const { return false; }
  // Whether the window can take the focus now (visible and enabled).
  virtual bool canFocus() const { return true; }
  virtual void takeFocus() {}
  // Shows the menu at the point (box coordinates), with the box as its popup component.
  virtual void showPopup(PopupMenuChoice, int, int) {}
  // The caret or the selection of the box may have moved (after every click, caret key,
  // selection change and load), for the window's accessibility events: the surface's own
  // box, or a table cell inside it that has no surface of its own.
  virtual void caretMoved(TZEBbox&) {}
};

}  // namespace zeb
