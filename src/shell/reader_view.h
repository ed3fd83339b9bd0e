// What the reader's shell asks of the main window and its frame set: the window implements
// this, and the shell decides when each happens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/presentation_modes.h"
#include "shell/recent_files.h"

namespace zeb::shell {

class BrowsingHistory;

class ReaderView {
 public:
  virtual ~ReaderView() = default;

  // --- The frame set (Editor).
  virtual void clearView() = 0;
  virtual void showCover() = 0;
  // The page of the main view; -1 when none is shown.
  virtual std::int32_t mainPageNumber() const = 0;
  virtual void setMainPageNumber(std::int32_t page) = 0;
  virtual bool showingTemporaryFrameSet() const = 0;
  virtual void setReadOnly(bool readOnly) = 0;
  virtual void focusCurrentBox() = 0;

  // --- The window.
  virtual void setCaption(const std::string& captionUtf8) = 0;
  // After every open: "C&opy" and the popups' copy and select items enabled, the print
  // button shown and the print items enabled.
  virtual void enableBookCommands() = 0;
  // Menus, popups and status bar in reader form (ResetReaderUI).
  virtual void resetReaderUI() = 0;
  // The File menu follows the recent-file list.
  virtual void recentFilesChanged(const std::vector<RecentMenuChange>& changes, bool separatorVisible) = 0;
  // The history combo box and the previous and next commands follow the history.
  virtual void historyChanged(const BrowsingHistory& history) = 0;
  virtual void applyWindowChanges(const std::vector<WindowChange>& changes) = 0;
  // The window's left edge goes to the screen's width, until a presentation switch.
  virtual void moveOffScreen() = 0;
  // The check mark of the five "&Resize" items.
  virtual void setResizeChecked(bool checked) = 0;
  virtual void closeSplash() {}

  // --- Windows that follow the main view.
  // A book was opened: the search dialog reloads its keywords and empties its page list.
  virtual void bookOpened() {}
  // The main view shows another page: the search dialog's "search in page" comes back.
  virtual void pageShown() {}
  // A note (Windows-1252) across the status bar, until the next status text.
  virtual void showStatusNote(const std::string&) {}
  // The book is read in another code page: every window shows its pages again.
  virtual void textEncodingChanged() {}

  // --- Reading comfort.
  // The vertical scroll position of the main page, in pixels, and scrolling it there.
  virtual std::int32_t scrollPosition() const { return 0; }
  virtual void setScrollPosition(std::int32_t) {}
  // The zoom of the page view in percent, and zooming it (a view that does not zoom keeps 100).
  virtual int zoomPercent() const { return 100; }
  virtual void applyZoom(int) {}
  // The page alone on the whole screen (menus, toolbars, status bar and sidebar hidden), or
  // the window as it was before.
  virtual void setFullScreen(bool) {}
};

}  // namespace zeb::shell
