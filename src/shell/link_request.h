// A followed link as the window that handles it receives it: the link object, the control
// that was clicked, and who handles it (the main window or a separate window).
#pragma once

#include <cstdint>

namespace zeb {
class TZEBoggetto;
class TZEBset;
class TZEBtesto;
}  // namespace zeb

namespace zeb::shell {

// The kind of the control that raised a link (OnDoLink's Obj). Links from any other control
// are ignored.
enum class ClickedKind {
  textBox,       // a text box (TZEBbox)
  visualObject,  // a visual object inside a box (TMyyVisual)
  mapZone,       // a hot zone of a picture (TMyyZona)
  frameSet,      // the frame set itself: its timed link
  page,          // a page control: the objects of its preview panels
  other,
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

struct LinkRequest {
  TZEBoggetto* link = nullptr;  // AOgg; none is ignored
  ClickedKind clicked = ClickedKind::other;
  // The text of the page the clicked control sits on (the page's working text), none for the
  // frame set; its local objects are what a short link names.
  TZEBtesto* clickedText = nullptr;
  // The page that text belongs to, and its book.
  std::int32_t clickedPage = -1;
  TZEBset* clickedBook = nullptr;
  // Raised by the window's own view, not by a frame set inside a floating object.
  bool inMainView = true;
  // Where the mouse button went down, in screen pixels: pop-up windows open beside it.
  ScreenPoint clickPoint;
};

// The window that handles the link.
enum class LinkHandler {
  mainWindow,      // EditorDoLink
  separateWindow,  // a plain or named window's PreviewDoLink
  popupWindow,     // a pop-up's PreviewDoLink: the link goes to the main window
};

struct LinkContext {
  LinkHandler handler = LinkHandler::mainWindow;
  // The main window's container: the open book.
  TZEBset* openBook = nullptr;
  // The window's view is read-only (the reader always is; "go to" actions need it).
  bool readOnly = true;
};

// A special link's (kind 10) link action: the state byte of its record.
enum class SpecialAction : std::uint8_t {
  show = 1,
  close = 2,
  keywordSearch = 3,
  nextPage = 4,
  previousPage = 5,
};

// Where a "show" action puts its target: its destination byte.
enum class Destination : std::uint8_t {
  frameOfLink = 0,  // the frame that holds the clicked box
  namedFrameOrWindow = 1,
  namedWindow = 2,
  newWindow = 3,
  popupWindow = 4,
  plainLink = 5,  // followed as if the target itself had been clicked
  anchor = 6,     // only scrolls to the anchor
};

// A close action with this anchor hides the main window.
inline constexpr std::int32_t closesMainWindow = -2;

}  // namespace zeb::shell
