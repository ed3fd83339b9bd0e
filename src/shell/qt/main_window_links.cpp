// Links followed in the main window through the link dispatch.
#include "shell/qt/main_window_links.h"

#include <QCursor>

#include "document/container.h"
#include "shell/qt/file_link_dialog.h"
#include "shell/qt/main_form.h"
#include "view/box_choice.h"
#include "view/page_view.h"
#include "view/qt/frame_set.h"

namespace zeb::shell {
namespace {

TZEBpage* pageOf(TMainForm& window, const LinkSource& source) {
  switch (source.kind) {
    case LinkSourceKind::textBox: return pageHolding(window.Editor()->registeredPages(), source.box);
    case LinkSourceKind::page: return source.page;
    case LinkSourceKind::frameSet: break;
  }
  return nullptr;
}

}  // namespace

LinkRequest linkRequestOf(TMainForm& window, const LinkSource& source, TZEBoggetto& link) {
  LinkRequest request;
  request.link = &link;
  switch (source.kind) {
    case LinkSourceKind::textBox: request.clicked = ClickedKind::textBox; break;
    case LinkSourceKind::page: request.clicked = ClickedKind::page; break;
    case LinkSourceKind::frameSet: request.clicked = ClickedKind::frameSet; break;
  }
  if (TZEBpage* page = pageOf(window, source)) {
    request.clickedText = page->WorkingText();
    request.clickedPage = page->PageIndex();
    request.clickedBook = &page->set();
  }
  const QPoint mouse = QCursor::pos();
  request.clickPoint = ScreenPoint{mouse.x(), mouse.y()};
  return request;
}

MainWindowLinks::MainWindowLinks(TMainForm& window)
    : window_(window), confirmation_(&window), dispatch_(window.mainZEBset().services(), confirmation_, *this) {}

void MainWindowLinks::followLink(const LinkSource& source, TZEBoggetto& link) {
  clickedPage_ = pageOf(window_, source);
  LinkContext context;
  context.openBook = &window_.mainZEBset();
  context.readOnly = window_.Editor()->ReadOnly();
  dispatch_.followLink(linkRequestOf(window_, source, link), context);
  clickedPage_ = nullptr;
}

void MainWindowLinks::setViewEnabled(bool enabled) { window_.Editor()->setEnabled(enabled); }
void MainWindowLinks::OpenEbook(const std::string& path) { window_.readerShell().OpenEbook(path); }
void MainWindowLinks::GoToTarget(std::string_view target) { window_.readerShell().GoToTarget(target); }

// The main view is the only frame set that raises links here, timed links included.
void MainWindowLinks::showPage(std::int32_t page, bool) { window_.Editor()->setMainPageNumber(page); }

void MainWindowLinks::GoToAnchor(std::int32_t anchor) { window_.Editor()->GoToAnchor(anchor); }

void MainWindowLinks::ShowInFrameOf(TZEBoggetto& target, std::int32_t anchor, int flag) {
  if (clickedPage_ != nullptr) window_.Editor()->ShowInFrameOf(clickedPage_, &target, anchor, flag);
}

void MainWindowLinks::ShowInWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) {
  window_.Editor()->ShowInNamedFrame(name, &target, anchor, flag);
}

void MainWindowLinks::hideMainWindow() { window_.hide(); }
void MainWindowLinks::keywordSearch() { window_.CercaKeyButtonClick(); }

void MainWindowLinks::runFileLink(TZEBoggetto& file) {
  TFFiles dialog(&file, dispatch_.starter(), &window_);
  dialog.Run();
}

void MainWindowLinks::handToMainWindow(const LinkRequest& request) {
  LinkContext context;
  context.openBook = &window_.mainZEBset();
  dispatch_.followLink(request, context);
}

}  // namespace zeb::shell
