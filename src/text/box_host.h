// BoxHost: what a text box needs from the page or visual object that holds it.
#pragma once

#include "platform/canvas.h"

namespace zeb {

class FrameSetLink;
class TZEBbox;

// Which way a caret movement left the box's body text.
enum class LeaveDirection { backward, forward };

class BoxHost {
 public:
  virtual ~BoxHost() = default;

  // The width of the page's client area, or the width a hosting object offers.
  virtual int clientWidth() const = 0;
  // The height of the page's client area: the part of the box that can be seen at once.
  virtual int clientHeight() const { return 0; }
  // The box was loaded or laid out again: its extents, ranges or size may have changed.
  // A page updates its scroll bars and repaints (after a load it also clears its modified
  // flag and tells its frame set); a hosting object adapts its own size.
  virtual void boxChanged(TZEBbox&) {}
  // The box changed its scroll positions (keys, keeping the caret in view): the page moves
  // its bars and its view to VerticalPosition() and HorizontalPosition().
  virtual void scrolled(TZEBbox&) {}
  // A hosting object: brings the area of the hosted box (its own coordinates) into view by
  // asking the box that holds the object, which adds the object's and the box's offsets.
  virtual void makeVisible(TZEBbox&, const CanvasRect&) {}
  // A hosting object: repaints the area of a hosted box that has no window of its own (its
  // own coordinates), through the box that holds the object.
  virtual void invalidate(const TZEBbox&, const CanvasRect&) {}
  // A hosting object: the caret or selection of a hosted box that has no window of its own
  // (the box given, or a box inside it) moved; told through the box that holds the object.
  virtual void caretMoved(TZEBbox&) {}
  // A caret movement reached the first or last body position and goes on in the host (the
  // neighbouring table cell, or the box around the table): the box that took the caret;
  // none when it stays (a page).
  virtual TZEBbox* leaveBox(TZEBbox&, LeaveDirection) { return nullptr; }
  // The frame set the box is shown in (through the page, or the object and box that hold
  // it); none outside a frame set.
  virtual FrameSetLink* frameSet() const { return nullptr; }
};

}  // namespace zeb
