// Link following installed into the main window: the link dispatch decides what a link the
// frame set raised does, and the window's operations carry it out (LinkActions). Separate
// page windows are not part of the reader yet: what would open one does nothing.
#pragma once

#include "shell/link_actions.h"
#include "shell/link_dispatch.h"
#include "shell/link_dispatcher.h"
#include "shell/qt/confirmation_dialog.h"

namespace zeb {

class TMainForm;
class TZEBpage;

namespace shell {

// The request of a link raised from the source in the main view: the control's kind, the
// page it sits on and that page's working text and book, and where the mouse is.
LinkRequest linkRequestOf(TMainForm& window, const LinkSource& source, TZEBoggetto& link);

class MainWindowLinks final : public LinkDispatcher, public LinkActions {
 public:
  explicit MainWindowLinks(TMainForm& window);

  // LinkDispatcher.
  void followLink(const LinkSource& source, TZEBoggetto& link) override;

  // LinkActions.
  void setViewEnabled(bool enabled) override;
  void OpenEbook(const std::string& path) override;
  void GoToTarget(std::string_view target) override;
  void showPage(std::int32_t page, bool inClickedFrameSet) override;
  void GoToAnchor(std::int32_t anchor) override;
  void ShowInFrameOf(TZEBoggetto& target, std::int32_t anchor, int flag) override;
  void ShowInWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) override;
  void showInNamedWindow(std::string_view, TZEBoggetto&, std::int32_t, int,
                         const std::optional<WindowDescription>&) override {}
  void showInNewWindow(TZEBoggetto&, std::int32_t, int) override {}
  void showInPopupWindow(TZEBoggetto&, std::int32_t, int, const std::optional<WindowDescription>&,
                         ScreenPoint) override {}
  void closeWindow(std::string_view) override {}
  void hideMainWindow() override;
  void closeThisWindow() override {}
  void keywordSearch() override;
  void runFileLink(TZEBoggetto& file) override;
  void handToMainWindow(const LinkRequest& request) override;

 private:
  TMainForm& window_;
  QtConfirmation confirmation_;
  LinkDispatch dispatch_;
  // The page the link being followed was raised on; none for the frame set's timed link.
  TZEBpage* clickedPage_ = nullptr;
};

}  // namespace shell
}  // namespace zeb
