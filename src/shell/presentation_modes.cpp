// Presentation modes.
#include "shell/presentation_modes.h"

#include "document/book_header.h"

namespace zeb::shell {

std::string_view nameOf(WindowChange change) {
  switch (change) {
    case WindowChange::hide: return "hide";
    case WindowChange::show: return "show";
    case WindowChange::removeBorder: return "removeBorder";
    case WindowChange::sizeableBorder: return "sizeableBorder";
    case WindowChange::systemMenuIconOnly: return "systemMenuIconOnly";
    case WindowChange::allBorderIcons: return "allBorderIcons";
    case WindowChange::moveLeftEdgeToZero: return "moveLeftEdgeToZero";
    case WindowChange::moveOntoScreen: return "moveOntoScreen";
    case WindowChange::maximise: return "maximise";
    case WindowChange::normalState: return "normalState";
    case WindowChange::hideStatusBar: return "hideStatusBar";
    case WindowChange::hideToolbars: return "hideToolbars";
    case WindowChange::removeMainMenu: return "removeMainMenu";
    case WindowChange::showStatusBar: return "showStatusBar";
    case WindowChange::showToolbars: return "showToolbars";
    case WindowChange::restoreMainMenu: return "restoreMainMenu";
    case WindowChange::bringApplicationToFront: return "bringApplicationToFront";
    case WindowChange::maximiseIfMinimised: return "maximiseIfMinimised";
    case WindowChange::bringToFront: return "bringToFront";
  }
  return "?";
}

std::vector<WindowChange> windowChangesForMode(int mode) {
  using enum WindowChange;
  switch (mode) {
    case 1: return {hide, removeBorder, systemMenuIconOnly, moveLeftEdgeToZero, maximise, show};
    case 2: return {hide, hideStatusBar, hideToolbars, removeMainMenu, removeBorder, maximise, show};
    case 3:
      return {hide, hideStatusBar, hideToolbars, removeMainMenu, removeBorder, systemMenuIconOnly, maximise, show};
    // The book moved the window off the screen when it was opened; the normal window comes
    // back where it can be seen.
    case restoringMode:
      return {hide,        showToolbars,   showStatusBar, restoreMainMenu, sizeableBorder, allBorderIcons,
              normalState, moveOntoScreen, show};
    default: return {};
  }
}

std::vector<WindowChange> windowChangesForDelivery(bool windowShown) {
  using enum WindowChange;
  if (!windowShown) return {show};
  // A window that a link hid comes back with the target.
  return {show, bringApplicationToFront, moveLeftEdgeToZero, maximiseIfMinimised, bringToFront};
}

int modeAskedBy(const BookHeader& header) {
  const bool hideBars = header.u8(hideBarsFlagOffset) != 0;
  const bool borderless = header.u8(borderlessFlagOffset) != 0;
  return (hideBars ? 2 : 0) + (borderless ? 1 : 0);
}

PresentationModes::Opened PresentationModes::bookOpened(const BookHeader& header) {
  Opened opened;
  const int asked = modeAskedBy(header);
  opened.moveOffScreen = asked > 0;
  // Each book's flags give its mode afresh: a mode left by an earlier book would hide bars,
  // or keep maximising a window, that this book never asked for.
  opened.switchTo = asked > 0 ? asked : framed() ? restoringMode : 0;
  // The check mark belongs to a book's mode; a run without any keeps it as the user left it.
  if (asked > 0 || mode_ > 0) resizeChecked_ = false;
  mode_ = asked;
  return opened;
}

PresentationModes::Resize PresentationModes::resizeClicked() {
  Resize resize;
  if (keepsMaximised()) {
    resize.disabled = true;
    return resize;
  }
  resize.modeToApply = resizeChecked_ ? mode_ : restoringMode;
  resizeChecked_ = !resizeChecked_;
  return resize;
}

int PresentationModes::escapePressed() {
  if (!framed()) return 0;
  resizeChecked_ = true;
  return restoringMode;
}

}  // namespace zeb::shell
