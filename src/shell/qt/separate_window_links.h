// The links followed inside a separate page window (PreviewDoLink): pages, "nexo:" targets
// and anchors in the window itself, everything that opens or closes windows, searches or
// runs the file-link dialog through the main window.
#pragma once

#include "shell/link_actions.h"
#include "shell/link_dispatch.h"
#include "shell/qt/confirmation_dialog.h"

namespace zeb {

class TFseparato;

namespace shell {

class MainWindowLinks;

class SeparateWindowLinks final : public LinkActions {
 public:
  SeparateWindowLinks(TFseparato& window, MainWindowLinks& main);

  // Decides and does what the link raised in the window's view does.
  void followLink(const LinkRequest& request, const LinkContext& context) { dispatch_.followLink(request, context); }

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
  void closeThisWindow() override;
  void keywordSearch() override;
  void runFileLink(TZEBoggetto& file) override;
  void handToMainWindow(const LinkRequest& request) override;

 private:
  TFseparato& window_;
  MainWindowLinks& main_;
  QtConfirmation confirmation_;
  LinkDispatch dispatch_;
};

}  // namespace shell
}  // namespace zeb
