// Links followed in a separate page window.
#include "shell/qt/separate_window_links.h"

#include "shell/qt/main_window_links.h"
#include "shell/qt/separate_window_form.h"
#include "view/qt/frame_set.h"

namespace zeb::shell {

SeparateWindowLinks::SeparateWindowLinks(TFseparato& window, MainWindowLinks& main)
    : window_(window),
      main_(main),
      confirmation_(&window),
      dispatch_(window.ZEBset1().services(), confirmation_, *this) {}

void SeparateWindowLinks::setViewEnabled(bool enabled) { window_.Preview()->setEnabled(enabled); }

// Links of a separate window never open a book of their own: a book named here is shown in
// the window at its cover.
void SeparateWindowLinks::OpenEbook(const std::string& path) {
  if (window_.showBook(path)) window_.Preview()->ShowCover();
}

void SeparateWindowLinks::GoToTarget(std::string_view target) { window_.GoToTarget(target); }

// Timed links are raised by Preview itself, the only frame set of the window.
void SeparateWindowLinks::showPage(std::int32_t page, bool) { window_.Preview()->setMainPageNumber(page); }

void SeparateWindowLinks::GoToAnchor(std::int32_t anchor) { window_.Preview()->GoToAnchor(anchor); }

void SeparateWindowLinks::ShowInFrameOf(TZEBoggetto& target, std::int32_t anchor, int flag) {
  if (window_.clickedPage() != nullptr) window_.Preview()->ShowInFrameOf(window_.clickedPage(), &target, anchor, flag);
}

void SeparateWindowLinks::ShowInWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) {
  main_.ShowInWindow(name, target, anchor, flag);
}

void SeparateWindowLinks::showInNamedWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag,
                                            const std::optional<WindowDescription>& description) {
  main_.showInNamedWindow(name, target, anchor, flag, description);
}

void SeparateWindowLinks::showInNewWindow(TZEBoggetto& target, std::int32_t anchor, int flag) {
  main_.showInNewWindow(target, anchor, flag);
}

void SeparateWindowLinks::showInPopupWindow(TZEBoggetto& target, std::int32_t anchor, int flag,
                                            const std::optional<WindowDescription>& description, ScreenPoint click) {
  main_.showInPopupWindow(target, anchor, flag, description, click);
}

void SeparateWindowLinks::closeWindow(std::string_view name) { main_.closeWindow(name); }
void SeparateWindowLinks::hideMainWindow() { main_.hideMainWindow(); }
void SeparateWindowLinks::closeThisWindow() { window_.requestClose(); }
void SeparateWindowLinks::keywordSearch() { main_.keywordSearch(); }
void SeparateWindowLinks::runFileLink(TZEBoggetto& file) { main_.runFileLink(file); }
void SeparateWindowLinks::handToMainWindow(const LinkRequest& request) { main_.handToMainWindow(request); }

}  // namespace zeb::shell
