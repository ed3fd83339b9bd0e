// The search dialog installed into the main window.
#include "shell/qt/main_window_search.h"

#include <QStatusBar>
#include <QToolButton>

#include "document/container.h"
#include "shell/qt/main_form.h"
#include "shell/qt/search_dialog.h"
#include "view/qt/frame_set.h"

namespace zeb::shell {

MainWindowSearch::MainWindowSearch(TMainForm& window) : window_(window) { window_.containerListeners().join(*this); }

MainWindowSearch::~MainWindowSearch() {
  window_.containerListeners().leave(*this);
  delete dialog_;
}

TFcerca& MainWindowSearch::made() {
  if (dialog_) return *dialog_;
  SearchDialogHost host;
  host.Editor = window_.Editor();
  host.mainZEBset = &window_.mainZEBset();
  host.settings = window_.mainZEBset().services().settings;
  host.messages = window_.mainZEBset().services().messages;
  host.view.showStatusPanels = [this] { window_.setStatusBarSimple(false); };
  host.view.showStatusText = [this](std::string_view text) { window_.showStatusText(text); };
  host.view.switchShowFramesOff = [this] {
    window_.NestedButton()->setChecked(false);
    window_.NestedButtonClick();
  };
  host.placeProgressIndicator = [this](SearchProgressIndicator& indicator) {
    window_.statusBar()->addPermanentWidget(&indicator);
  };
  dialog_ = new TFcerca(std::move(host), &window_);
  return *dialog_;
}

void MainWindowSearch::showWordPage() { made().showOnWordPage(); }
void MainWindowSearch::showKeywordPage() { made().showOnKeywordPage(); }

void MainWindowSearch::searchAgainInPage() {
  if (!dialog_)
    showWordPage();
  else
    dialog_->searchAgainInPage();
}

void MainWindowSearch::searchAgainInBook() {
  if (!dialog_)
    showWordPage();
  else
    dialog_->searchAgainInBook();
}

void MainWindowSearch::bookOpened() {
  if (dialog_) dialog_->bookOpened();
}

void MainWindowSearch::pageShown() {
  if (dialog_) dialog_->pageChanged();
}

void MainWindowSearch::windowClosing() {
  if (dialog_) dialog_->cancelSearch();
}

void MainWindowSearch::containerResetting() {
  if (dialog_) dialog_->bookClosing();
}

}  // namespace zeb::shell
