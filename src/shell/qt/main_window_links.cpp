// Links followed in the main window through the link dispatch, and the separate windows
// they open.
#include "shell/qt/main_window_links.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <utility>

#include "document/container.h"
#include "shell/qt/file_link_dialog.h"
#include "shell/qt/main_form.h"
#include "shell/qt/separate_window_form.h"
#include "view/page_view.h"
#include "view/qt/frame_set.h"

namespace zeb::shell {

TZEBpage* clickedPageOf(const TZEBCustomFrameSet& frames, const LinkSource& source) {
  switch (source.kind) {
    case LinkSourceKind::textBox: return frames.pageShowing(source.box);
    case LinkSourceKind::page: return source.page;
    case LinkSourceKind::frameSet: break;
  }
  return nullptr;
}

LinkRequest linkRequestOf(const TZEBCustomFrameSet& frames, const LinkSource& source, TZEBoggetto& link,
                          ScreenPoint click) {
  LinkRequest request;
  request.link = &link;
  switch (source.kind) {
    case LinkSourceKind::textBox: request.clicked = ClickedKind::textBox; break;
    case LinkSourceKind::page: request.clicked = ClickedKind::page; break;
    case LinkSourceKind::frameSet: request.clicked = ClickedKind::frameSet; break;
  }
  if (TZEBpage* page = clickedPageOf(frames, source)) {
    request.clickedText = page->WorkingText();
    request.clickedPage = page->PageIndex();
    request.clickedBook = &page->set();
  }
  request.clickPoint = click;
  return request;
}

PressPoint::PressPoint() { QCoreApplication::instance()->installEventFilter(this); }

ScreenPoint PressPoint::point() const {
  if (pressed_) return *pressed_;
  const QPoint mouse = QCursor::pos();
  return {mouse.x(), mouse.y()};
}

bool PressPoint::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
    const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    pressed_ = ScreenPoint{global.x(), global.y()};
  }
  return QObject::eventFilter(watched, event);
}

MainWindowLinks::MainWindowLinks(TMainForm& window)
    : window_(window),
      confirmation_(&window),
      dispatch_(window.mainZEBset().services(), confirmation_, *this),
      windows_([this]() -> SeparateWindow& { return *new TFseparato(*this); }) {
  window_.containerListeners().join(*this);
}

MainWindowLinks::~MainWindowLinks() {
  window_.containerListeners().leave(*this);
  // Closed windows waiting to be freed are among the children too.
  for (TFseparato* separate : window_.findChildren<TFseparato*>(Qt::FindDirectChildrenOnly)) {
    windows_.remove(*separate);
    delete separate;
  }
}

void MainWindowLinks::windowClosed(TFseparato& window) {
  windows_.remove(window);
  window.deleteLater();
  // A main window that a link hid comes back with the last separate window: the reader is
  // never left running without a window.
  if (windows_.count() == 0 && !mainClosing_ && window_.isHidden()) window_.show();
}

void MainWindowLinks::followLink(const LinkSource& source, TZEBoggetto& link) {
  clickedPage_ = clickedPageOf(*window_.Editor(), source);
  LinkContext context;
  context.openBook = &window_.mainZEBset();
  context.readOnly = window_.Editor()->ReadOnly();
  try {
    dispatch_.followLink(linkRequestOf(*window_.Editor(), source, link, press_.point()), context);
  } catch (...) {
    clickedPage_ = nullptr;
    throw;
  }
  clickedPage_ = nullptr;
}

void MainWindowLinks::windowClosing() {
  mainClosing_ = true;
  for (TFseparato* separate : window_.findChildren<TFseparato*>(Qt::FindDirectChildrenOnly)) separate->close();
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
  TInsiemeCornici& editor = *window_.Editor();
  windows_.ShowInWindow([&] { return editor.ShowInNamedFrame(name, &target, anchor, flag); }, name, target, anchor,
                        flag);
}

void MainWindowLinks::showInNamedWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag,
                                        const std::optional<WindowDescription>& description) {
  windows_.showInNamedWindow(name, target, anchor, flag, description);
}

void MainWindowLinks::showInNewWindow(TZEBoggetto& target, std::int32_t anchor, int flag) {
  windows_.showInNewWindow(target, anchor, flag);
}

void MainWindowLinks::showInPopupWindow(TZEBoggetto& target, std::int32_t anchor, int flag,
                                        const std::optional<WindowDescription>& description, ScreenPoint click) {
  windows_.showInPopupWindow(target, anchor, flag, description, click);
}

void MainWindowLinks::closeWindow(std::string_view name) { windows_.closeWindowNamed(name); }

// Only a separate window can bring the main window back: without one it stays.
void MainWindowLinks::hideMainWindow() {
  if (windows_.count() > 0) window_.hide();
}
void MainWindowLinks::keywordSearch() { window_.CercaKeyButtonClick(); }

void MainWindowLinks::runFileLink(TZEBoggetto& file) {
  TFFiles dialog(&file, dispatch_.starter(), &window_);
  dialog.Run();
}

void MainWindowLinks::handToMainWindow(const LinkRequest& request) {
  LinkContext context;
  context.openBook = &window_.mainZEBset();
  context.readOnly = window_.Editor()->ReadOnly();
  // The request comes from another window's view: no frame of the main view holds its box.
  LinkRequest handed = request;
  handed.inMainView = false;
  TZEBpage* const clicked = std::exchange(clickedPage_, nullptr);
  try {
    dispatch_.followLink(handed, context);
  } catch (...) {
    clickedPage_ = clicked;
    throw;
  }
  clickedPage_ = clicked;
}

}  // namespace zeb::shell
