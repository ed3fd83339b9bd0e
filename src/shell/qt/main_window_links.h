// Link following installed into the main window: the link dispatch decides what a link the
// frame set raised does, and the window's operations carry it out (LinkActions). It owns the
// separate page windows links open (SeparateWindows), tells them of the main container's
// resets, and closes them with the main window.
#pragma once

#include <QObject>
#include <optional>

#include "shell/container_listeners.h"
#include "shell/link_actions.h"
#include "shell/link_dispatch.h"
#include "shell/link_dispatcher.h"
#include "shell/qt/confirmation_dialog.h"
#include "shell/separate_windows.h"

namespace zeb {

class TFseparato;
class TMainForm;
class TZEBCustomFrameSet;
class TZEBpage;

namespace shell {

// The page of the frame set that the source sits on; none for the frame set's timed link.
TZEBpage* clickedPageOf(const TZEBCustomFrameSet& frames, const LinkSource& source);
// The request of a link raised from the source in the frame set: the control's kind, the
// page it sits on and that page's working text and book, and where the click was.
LinkRequest linkRequestOf(const TZEBCustomFrameSet& frames, const LinkSource& source, TZEBoggetto& link,
                          ScreenPoint click);

// Where a mouse button last went down in any window of the program, in screen pixels: the
// click that raised a link, which is followed once the button is up again and the pointer
// may have moved on.
class PressPoint final : public QObject {
 public:
  PressPoint();
  // The last press; the pointer's place while nothing was pressed yet.
  ScreenPoint point() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::optional<ScreenPoint> pressed_;
};

class MainWindowLinks final : public LinkDispatcher, public LinkActions, public ContainerListener {
 public:
  explicit MainWindowLinks(TMainForm& window);
  // The separate windows go first, while the main container they may show is still there.
  ~MainWindowLinks() override;
  MainWindowLinks(const MainWindowLinks&) = delete;
  MainWindowLinks& operator=(const MainWindowLinks&) = delete;

  TMainForm& mainWindow() const { return window_; }
  SeparateWindows& separateWindows() { return windows_; }
  BookStarter& starter() { return dispatch_.starter(); }
  // Where the click that raised the link being followed went down.
  ScreenPoint clickPoint() const { return press_.point(); }
  // A separate window closed: it leaves the list at once and is freed after the current
  // event. The last one to close brings back a main window that a link hid.
  void windowClosed(TFseparato& window);

  // LinkDispatcher.
  void followLink(const LinkSource& source, TZEBoggetto& link) override;
  void windowClosing() override;

  // ContainerListener: the main container's reset, told to every separate window.
  void containerResetting() override { windows_.beforeMainReset(); }
  void containerReset() override { windows_.afterMainReset(); }
  void textEncodingChanged() override { windows_.textEncodingChanged(); }

  // LinkActions.
  void setViewEnabled(bool enabled) override;
  void OpenEbook(const std::string& path) override;
  void GoToTarget(std::string_view target) override;
  void showPage(std::int32_t page, bool inClickedFrameSet) override;
  void GoToAnchor(std::int32_t anchor) override;
  void ShowInFrameOf(TZEBoggetto& target, std::int32_t anchor, int flag) override;
  void ShowInWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) override;
  void showInNamedWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag,
                         const std::optional<WindowDescription>& description) override;
  void showInNewWindow(TZEBoggetto& target, std::int32_t anchor, int flag) override;
  void showInPopupWindow(TZEBoggetto& target, std::int32_t anchor, int flag,
                         const std::optional<WindowDescription>& description, ScreenPoint click) override;
  void closeWindow(std::string_view name) override;
  void hideMainWindow() override;
  void closeThisWindow() override {}
  void keywordSearch() override;
  void runFileLink(TZEBoggetto& file) override;
  void handToMainWindow(const LinkRequest& request) override;

 private:
  TMainForm& window_;
  QtConfirmation confirmation_;
  LinkDispatch dispatch_;
  SeparateWindows windows_;
  PressPoint press_;
  // The page the link being followed was raised on; none for the frame set's timed link.
  TZEBpage* clickedPage_ = nullptr;
  bool mainClosing_ = false;
};

}  // namespace shell
}  // namespace zeb
