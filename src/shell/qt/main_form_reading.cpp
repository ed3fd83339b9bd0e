// The main window's reading comfort: full screen, going to a page by number or title, the
// bookmarks of the open book, the library window, the scroll position and zoom the shell
// remembers, caret browsing and the voice of reading aloud.
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include "document/container.h"
#include "library/library_index.h"
#include "platform/speech.h"
#include "shell/go_to_page.h"
#include "shell/messages.h"
#include "shell/qt/bookmarks_dialog.h"
#include "shell/qt/contents_sidebar.h"
#include "shell/qt/go_to_page_dialog.h"
#include "shell/qt/library_window.h"
#include "shell/qt/main_form.h"
#include "shell/qt/qt_texts.h"
#include "shell/qt/read_aloud_commands.h"
#include "shell/qt/separate_window_form.h"
#include "shell/qt/window_changes.h"
#include "shell/qt/zoom_commands.h"
#include "text/text_box.h"
#include "view/qt/frame_set.h"

namespace zeb {

using shell::unicodeOf;

// --- Caret browsing and reading aloud.

void TMainForm::CaretBrowsing1Click() {
  const bool on = item("CaretBrowsing1")->isChecked();
  for (TFseparato* separate : findChildren<TFseparato*>()) separate->Preview()->setCaretBrowsing(on);
  editor_->setCaretBrowsing(on);
}

void TMainForm::setSpeech(std::unique_ptr<Speech> speech) { readAloud_->setSpeech(std::move(speech)); }

// --- Full screen.

void TMainForm::Schermointero1Click() {
  shell_->fullScreenPressed();
  item("Schermointero1")->setChecked(shell_->fullScreen());
}

void TMainForm::setFullScreen(bool on) {
  item("Schermointero1")->setChecked(on);
  if (on) {
    stateBeforeFullScreen_ = windowState();
    hiddenForFullScreen_.clear();
    for (QToolBar* bar : findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
      if (bar->isVisible()) hiddenForFullScreen_.push_back(bar);
    for (QWidget* bar : {static_cast<QWidget*>(statusBar()), static_cast<QWidget*>(sidebar_)})
      if (bar->isVisible()) hiddenForFullScreen_.push_back(bar);
    for (QWidget* bar : hiddenForFullScreen_) bar->hide();
    // The menu's shortcuts, F11 among them, stay with the window.
    shell::applyWindowChanges(*this, {shell::WindowChange::removeMainMenu});
    setWindowState(windowState() | Qt::WindowFullScreen);
  } else {
    shell::applyWindowChanges(*this, {shell::WindowChange::restoreMainMenu});
    for (QWidget* bar : std::exchange(hiddenForFullScreen_, {})) bar->show();
    setWindowState(stateBeforeFullScreen_ & ~Qt::WindowFullScreen);
  }
}

// --- Going to a page.

void TMainForm::Vaiallapagina1Click() {
  if (editor_->MainPageNumber() < 0) return;
  shell::GoToPageDialog dialog(shell::pageTitles(mainZEBset()), this);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosenPage()) return;
  editor_->setMainPageNumber(*dialog.chosenPage());
  editor_->FocusCurrentBox();
}

// --- Bookmarks.

void TMainForm::Aggiungisegnalibro1Click() {
  const std::optional<shell::Bookmark> added = shell_->addBookmark();
  if (!added) return;
  setStatusBarSimple(true);
  statusSimpleText_->setText(unicodeOf(shell::messages::bookmarkAdded) + QString::fromStdString(added->name));
}

void TMainForm::fillBookmarksMenu() {
  for (QAction* action : bookmarksMenu_->actions())
    if (action->property("bookmark").isValid()) delete action;
  QAction* before = item("NSegnalibri2");
  const std::vector<shell::Bookmark>& entries = shell_->bookmarks().entries();
  if (entries.empty()) {
    auto* none = new QAction(unicodeOf(shell::messages::noBookmarks), bookmarksMenu_);
    none->setEnabled(false);
    none->setProperty("bookmark", -1);
    bookmarksMenu_->insertAction(before, none);
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    // A name is no mnemonic.
    const QString name = QString::fromStdString(entries[i].name).replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* entry = new QAction(name, bookmarksMenu_);
    entry->setProperty("bookmark", static_cast<int>(i));
    connect(entry, &QAction::triggered, this, [this, i] { shell_->goToBookmark(i); });
    bookmarksMenu_->insertAction(before, entry);
  }
  item("Organizzasegnalibri1")->setEnabled(!entries.empty());
}

void TMainForm::Organizzasegnalibri1Click() {
  shell::BookmarksDialog dialog(shell_->bookmarks(), this);
  dialog.exec();
  shell_->setBookmarks(dialog.bookmarks().entries());
  if (const std::optional<std::size_t> chosen = dialog.chosen()) shell_->goToBookmark(*chosen);
}

// --- The library.

void TMainForm::Biblioteca1Click() {
  if (!library_) {
    library_ = new shell::LibraryWindow(mainZEBset().services(), library::defaultIndexPath(), this);
    connect(library_, &shell::LibraryWindow::openRequested, this, &TMainForm::openFromLibrary);
  }
  library_->show();
  library_->raise();
  library_->activateWindow();
}

void TMainForm::openFromLibrary(const QString& path, int page, const QString& word) {
  const std::string file = path.toStdString();
  if (mainZEBset().ZEBFileName() != file && !shell_->OpenEbook(file)) return;
  if (page >= 0 && page != editor_->MainPageNumber()) editor_->setMainPageNumber(page);
  // The in-page search takes the word as typed and finds it in the page's code page.
  if (!word.isEmpty()) editor_->FindInMainBox(word.toStdString());
  raise();
  activateWindow();
}

// --- Where a book is left.

std::int32_t TMainForm::scrollPosition() const {
  const TZEBbox* box = editor_->MainBox();
  return box != nullptr ? box->VerticalPosition() : 0;
}

void TMainForm::setScrollPosition(std::int32_t position) {
  if (TZEBbox* box = editor_->MainBox()) box->scrollBy(0, position - box->VerticalPosition());
}

int TMainForm::zoomPercent() const { return editor_->zoom().percent(); }
void TMainForm::applyZoom(int percent) { applyZoomTo(*this, percent); }

}  // namespace zeb
