// Presentation modes: how a book asks the main window to frame itself (borderless, without
// menu, toolbars and status bar), as lists of window changes the window applies in order.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zeb {
class BookHeader;
}

namespace zeb::shell {

// The header's two start-up presentation flags.
inline constexpr int borderlessFlagOffset = 1785;
inline constexpr int hideBarsFlagOffset = 1786;

// The mode that restores the normal window.
inline constexpr int restoringMode = 4;

enum class WindowChange : std::uint8_t {
  hide,
  show,
  removeBorder,
  sizeableBorder,
  systemMenuIconOnly,  // of the border icons, only the system menu
  allBorderIcons,
  moveLeftEdgeToZero,
  moveOntoScreen,  // a window that lies off every screen comes back onto one
  maximise,
  normalState,
  hideStatusBar,
  hideToolbars,
  removeMainMenu,
  showStatusBar,
  showToolbars,
  restoreMainMenu,
  bringApplicationToFront,
  maximiseIfMinimised,
  bringToFront,
};

// The name of a change, as zebtool prints it ("removeBorder", ...).
std::string_view nameOf(WindowChange change);

// What a mode switch does to the window: modes 1 to 4; nothing for any other number.
std::vector<WindowChange> windowChangesForMode(int mode);
// What delivering a pending inter-process target does to the window (mode 0), after the
// target is shown when the window has been shown; a window not shown yet is only shown.
std::vector<WindowChange> windowChangesForDelivery(bool windowShown);

// The mode a book asks for: 2 when it hides the bars, plus 1 when it is borderless; 0 when
// it asks for neither.
int modeAskedBy(const BookHeader& header);

// The presentation mode of the open book, whether the window is framed in it now, and the
// check mark of the "&Resize" items (set while the normal window is shown instead).
class PresentationModes {
 public:
  struct Opened {
    bool moveOffScreen = false;  // the window leaves the screen until the switch
    int switchTo = 0;            // the mode Timer1 switches to (its Tag); 0 for none
  };
  // A book was opened. A book that asks for a mode gets it; one that asks for none brings
  // back the normal window when an earlier book's mode frames it.
  Opened bookOpened(const BookHeader& header);

  struct Resize {
    bool disabled = false;  // the book's mode forbids it: say so and change nothing
    int modeToApply = 0;    // otherwise, the mode to apply now (0: none)
  };
  // "&Resize": restores the normal window, or goes back to the book's mode, flipping the check mark.
  Resize resizeClicked();
  // Escape: the mode to apply to leave the mode the window is framed in (the normal
  // window's, as "&Resize" restores it); 0 when the window is framed in none. Even the
  // modes that disable "&Resize" leave this way, since their window may offer no other.
  int escapePressed();

  int mode() const { return mode_; }
  bool resizeChecked() const { return resizeChecked_; }
  // The book's mode frames the window (and "&Resize" has not restored it).
  bool framed() const { return mode_ > 0 && !resizeChecked_; }
  // Borderless modes keep the window maximised: every resize maximises it again.
  bool keepsMaximised() const { return framed() && (mode_ == 1 || mode_ == 3); }

 private:
  int mode_ = 0;
  bool resizeChecked_ = false;
};

}  // namespace zeb::shell
