// The separate page windows the main window owns, found by name: where a link shows its
// target in a named frame or window, a new window or a pop-up, and which window a close
// action closes. The windows themselves (TFseparato) implement SeparateWindow.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/link_request.h"
#include "shell/window_description.h"

namespace zeb {
class TZEBoggetto;
}

namespace zeb::shell {

class SeparateWindow {
 public:
  virtual ~SeparateWindow() = default;

  // The window's name (Windows-1252).
  virtual std::string windowName() const = 0;
  // Sets the name and applies the description, or without one shows every bar at the main
  // window's size.
  virtual void Prepare(std::string_view name, const std::optional<WindowDescription>& description) = 0;
  // Moves the window beside the point where the link was clicked.
  virtual void placeAsPopup(ScreenPoint click) = 0;
  virtual void showTarget(TZEBoggetto& target, std::int32_t anchor, WindowKind kind, int nestedFlag) = 0;
  // When the window has a frame of that name, the frame shows the target; false otherwise.
  virtual bool showInFrameNamed(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) = 0;
  // Closing happens once the current event is over.
  virtual void requestClose() = 0;
  // The main container is about to be reset, and has been.
  virtual void beforeMainReset() = 0;
  virtual void afterMainReset() = 0;
  // The main book is read in another code page: the window shows its page anew.
  virtual void textEncodingChanged() {}
};

class SeparateWindows {
 public:
  // Makes a new window (owned by the main window) and returns it.
  using Create = std::function<SeparateWindow&()>;
  explicit SeparateWindows(Create create) : create_(std::move(create)) {}

  // A window closed and is being freed.
  void remove(const SeparateWindow& window);
  std::size_t count() const { return windows_.size(); }

  // The first window of that name, letter case ignored; windows made for a new window or a
  // pop-up ("<<<new", "<<<pop") are never found by name.
  SeparateWindow* findByName(std::string_view name) const;

  // ShowInWindow: the main frame set's frame of that name first (showInMainFrame), then the
  // first window with such a frame, else a new window of that name showing the target as a
  // named window. A window that fails while asked is passed over.
  void ShowInWindow(const std::function<bool()>& showInMainFrame, std::string_view name, TZEBoggetto& target,
                    std::int32_t anchor, int flag);
  // The window of that name, found or made, prepared from the description, shows the target
  // as a named window.
  void showInNamedWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag,
                         const std::optional<WindowDescription>& description);
  // A new plain window.
  void showInNewWindow(TZEBoggetto& target, std::int32_t anchor, int flag);
  // A new pop-up beside the click.
  void showInPopupWindow(TZEBoggetto& target, std::int32_t anchor, int flag,
                         const std::optional<WindowDescription>& description, ScreenPoint click);
  // Closes the first window of that name (letter case ignored), pop-ups and new windows
  // included; false when there is none.
  bool closeWindowNamed(std::string_view name);

  // The main container's reset, told to every window; one that fails does not keep the
  // others from being told.
  void beforeMainReset();
  void afterMainReset();
  void textEncodingChanged();

 private:
  SeparateWindow& make();
  SeparateWindow* find(std::string_view name, bool madeWithoutNameToo) const;

  Create create_;
  std::vector<SeparateWindow*> windows_;
};

}  // namespace zeb::shell
