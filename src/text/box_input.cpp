// Names of the program's mouse cursors.
#include "text/box_input.h"

#include "text/messages.h"

namespace zeb {

std::string_view cursorResourceName(MouseCursor cursor) {
  switch (cursor) {
    case MouseCursor::handPoint: return messages::cursorHandPoint;
    case MouseCursor::handPoint2: return messages::cursorHandPoint2;
    case MouseCursor::editHand: return messages::cursorEditHand;
    case MouseCursor::openHand: return messages::cursorOpenHand;
    case MouseCursor::grab: return messages::cursorGrab;
    case MouseCursor::fist: return messages::cursorFist;
    case MouseCursor::openHandZoom: return messages::cursorOpenHandZoom;
    case MouseCursor::zoom: return messages::cursorZoom;
    case MouseCursor::anchor: return messages::cursorAnchor;
    default: return {};
  }
}

}  // namespace zeb
