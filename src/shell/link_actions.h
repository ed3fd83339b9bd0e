// What following a link asks of the window that handles it: the main window and separate
// windows implement this, and the link dispatch decides which of these happens.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/link_request.h"
#include "shell/window_description.h"

namespace zeb {
class TZEBoggetto;
}

namespace zeb::shell {

class LinkActions {
 public:
  virtual ~LinkActions() = default;

  // The window's view (Editor or Preview) takes no clicks while a link is handled.
  virtual void setViewEnabled(bool enabled) = 0;

  // OpenEbook (UTF-8 path).
  virtual void OpenEbook(const std::string& path) = 0;
  // GoToTarget in this window (Windows-1252 "nexo:" target).
  virtual void GoToTarget(std::string_view target) = 0;
  // Shows the page of the view's book with the history's click suppression: in the frame set
  // that raised the link, or as the view's main page.
  virtual void showPage(std::int32_t page, bool inClickedFrameSet) = 0;
  virtual void GoToAnchor(std::int32_t anchor) = 0;
  // ShowInFrameOf: the frame holding the page control of the clicked box shows the target.
  virtual void ShowInFrameOf(TZEBoggetto& target, std::int32_t anchor, int flag) = 0;

  // Separate windows (the main window's, also for links followed in a separate window).
  virtual void ShowInWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) = 0;
  virtual void showInNamedWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag,
                                 const std::optional<WindowDescription>& description) = 0;
  virtual void showInNewWindow(TZEBoggetto& target, std::int32_t anchor, int flag) = 0;
  virtual void showInPopupWindow(TZEBoggetto& target, std::int32_t anchor, int flag,
                                 const std::optional<WindowDescription>& description, ScreenPoint click) = 0;
  // Closes the separate window of that name (Windows-1252, lower case).
  virtual void closeWindow(std::string_view name) = 0;

  // A close action with anchor -2: the main window hides itself; a separate window closes.
  virtual void hideMainWindow() = 0;
  virtual void closeThisWindow() = 0;

  // The keyword search, as the toolbar's "Search".
  virtual void keywordSearch() = 0;
  // The main window's file-link dialog, created for the file, run and freed.
  virtual void runFileLink(TZEBoggetto& file) = 0;
  // A pop-up hands the link to the main window's link following (and then closes).
  virtual void handToMainWindow(const LinkRequest& request) = 0;
};

// Disables the view for its lifetime, so that a second click cannot start a second link
// while the first is handled, and enables it again however the handling ends.
class ViewDisabled {
 public:
  explicit ViewDisabled(LinkActions& actions) : actions_(actions) { actions_.setViewEnabled(false); }
  ~ViewDisabled() {
    try {
      actions_.setViewEnabled(true);
    } catch (...) {
      // A view that cannot be enabled again must not end the program while an error unwinds.
    }
  }
  ViewDisabled(const ViewDisabled&) = delete;
  ViewDisabled& operator=(const ViewDisabled&) = delete;

 private:
  LinkActions& actions_;
};

}  // namespace zeb::shell
