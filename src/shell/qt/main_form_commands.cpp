// The main window's commands: the handlers of its menus, toolbars and popup menus, and the
// links the frame set raises.
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QToolButton>
#include <cstdio>
#include <filesystem>

#include "document/container.h"
#include "shell/background_copy.h"
#include "shell/messages.h"
#include "shell/qt/about_box.h"
#include "shell/qt/main_form.h"
#include "shell/qt/qt_texts.h"
#include "shell/reader_commands.h"
#include "shell/reader_links.h"
#include "text/text_box.h"
#include "view/box_choice.h"
#include "view/page_view.h"
#include "view/popup_target.h"
#include "view/qt/frame_set.h"

namespace zeb {

// --- File.

void TMainForm::FileOpen() {
  QFileDialog dialog(this);
  dialog.setObjectName("OpenDialog");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // "Name (*.zeb)|*.zeb": the name already carries its pattern.
  const QString filter = shell::unicodeOf(shell::messages::openFilter);
  dialog.setNameFilter(filter.section(QLatin1Char('|'), 0, 0));
  const std::filesystem::path open(mainZEBset().ZEBFileName());
  if (!open.empty()) dialog.setDirectory(QString::fromStdString(open.parent_path().string()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  shell_->OpenEbook(dialog.selectedFiles().front().toStdString());
}

void TMainForm::FilePrint() {
  if (print_) print_->printDialog();
}

void TMainForm::Impostastampante1Click() {
  if (print_) print_->printerSetup();
}

void TMainForm::Impostamargini1Click() {
  if (print_) print_->marginSetup();
}

void TMainForm::Stampacorrente1Click() {
  if (print_) print_->printCurrent();
}

void TMainForm::Stampatutte1Click() {
  if (print_) print_->printAll();
}

void TMainForm::EsportaEpub1Click() {
  if (export_) export_->exportEpub();
}

void TMainForm::EsportaHtml1Click() {
  if (export_) export_->exportHtml();
}

void TMainForm::FileExit() { close(); }

// --- Copy.

void TMainForm::EditCopy() {
  editor_->CopySelection();
  editor_->FocusCurrentBox();
}

void TMainForm::Selezionabrano1Click() {
  if (TZEBbox* box = editor_->CurrentBox()) box->SelectAll();
}

void TMainForm::Selezionatutto3Click() {
  if (TZEBbox* box = editor_->currentControl()) box->SelectAll();
}

void TMainForm::CopiaSfondoincartellaappuntiClick() {
  TZEBbox* box = editor_->activeBox() != nullptr ? editor_->activeBox() : editor_->CurrentBox();
  TZEBpage* page = pageHolding(editor_->registeredPages(), box);
  if (page == nullptr) return;
  shell::copyBackgroundPicture(mainZEBset(), page->Background().Picture());
}

// --- Search.

void TMainForm::Cercasostituisci1Click() {
  if (search_) search_->showWordPage();
}

void TMainForm::Ripetiultimaricerca1Click() {
  if (search_) search_->searchAgainInPage();
}

void TMainForm::Ripetinellipertesto1Click() {
  if (search_) search_->searchAgainInBook();
}

void TMainForm::CercaKeyButtonClick() {
  if (!search_) return;
  if (shell::keywordSearchOpensOnKeywords(mainZEBset()))
    search_->showKeywordPage();
  else
    search_->showWordPage();
}

void TMainForm::Cercaperparolachiave1Click() {
  if (search_) search_->showKeywordPage();
}

void TMainForm::Cercaconoperatori1Click() {
  if (search_) search_->showWordPage();
}

// --- Ebook.

void TMainForm::CoverButtonClick() { editor_->ShowCover(); }
void TMainForm::SummaryButtonClick() { editor_->ShowSummary(); }
void TMainForm::BPrecedenteClick() { shell_->previousClicked(); }
void TMainForm::BseguenteClick() { shell_->nextClicked(); }

void TMainForm::NestedButtonClick() {
  const bool nested = nestedButton_->isChecked();
  item("Mostracornici1")->setChecked(nested);
  editor_->setShowNested(nested);
}

void TMainForm::HistoryComboClick(int index) { shell_->historyChosen(index); }

// --- About.

void TMainForm::helpAbout() {
  shell::TFabout about(this);
  about.exec();
}

void TMainForm::Info1Click() { helpAbout(); }

// --- Popup menus.

QWidget* TMainForm::popupSource() const {
  QWidget* control = QApplication::widgetAt(QCursor::pos());
  if (control == nullptr || control->window() != this) control = QApplication::focusWidget();
  return control;
}

PopupTarget* TMainForm::popupTargetOf(QWidget* control) {
  for (QWidget* widget = control; widget != nullptr; widget = widget->parentWidget())
    if (auto* target = dynamic_cast<PopupTarget*>(widget)) return target;
  return nullptr;
}

void TMainForm::SeguiCollZoneClick() {
  if (PopupTarget* target = popupTargetOf(popupSource_)) target->FollowFromMenu();
}

void TMainForm::Segui1Click() {
  if (PopupTarget* target = popupTargetOf(popupSource_); target != nullptr && target->HasLink())
    target->FollowFromMenu();
}

void TMainForm::SeguicollegamentoBtnClick() {
  if (PopupTarget* target = popupTargetOf(popupSource_)) target->FollowFromMenu();
}

// The special link the menu was opened on is the object the box remembered at the click.
void TMainForm::Seguicollegamento1Click() {
  TZEBoggetto* link = editor_->rememberedObject();
  TZEBbox* box = editor_->currentControl() != nullptr ? editor_->currentControl() : editor_->CurrentBox();
  if (link != nullptr && box != nullptr && link->Kind() == TOggettiHel::speclink) box->followLink(*link);
}

// A floating object holds a frame set of its own, which goes back in its own history.
void TMainForm::PrecedenteFloatClick() {
  for (QWidget* widget = popupSource_; widget != nullptr && widget != editor_; widget = widget->parentWidget()) {
    if (auto* frames = qobject_cast<TZEBCustomFrameSet*>(widget)) {
      frames->GoBack();
      break;
    }
  }
  editor_->FocusCurrentBox();
}

void TMainForm::Resize1Click() { shell_->resizeClicked(); }

// --- Links.

void TMainForm::EditorDoLink(LinkSource source, TZEBoggetto* link) {
  if (link == nullptr) return;
  // A second click cannot start a second link while this one is handled.
  const bool focusWasInside = editor_->isAncestorOf(QApplication::focusWidget());
  editor_->setEnabled(false);
  try {
    if (linkDispatcher_)
      linkDispatcher_->followLink(source, *link);
    else
      followLinkItself(source, *link);
  } catch (...) {
    // Link following reports its own failures; the window goes on.
  }
  editor_->setEnabled(true);
  // Disabling took the focus away from the page.
  if (focusWasInside || QApplication::focusWidget() == nullptr) editor_->FocusCurrentBox();
}

void TMainForm::followLinkItself(const LinkSource&, TZEBoggetto& link) {
  const shell::ReaderLinkPlan plan = shell::planReaderLink(mainZEBset(), link);
  switch (plan.action) {
    case shell::ReaderLinkPlan::Action::openBook: shell_->OpenEbook(plan.path); break;
    case shell::ReaderLinkPlan::Action::showPage:
      // The main view is the only frame set that raises links here, timed links included.
      editor_->setMainPageNumber(plan.page);
      editor_->GoToAnchor(-1);
      break;
    case shell::ReaderLinkPlan::Action::goToTarget: shell_->GoToTarget(plan.target); break;
    case shell::ReaderLinkPlan::Action::nothing:
    case shell::ReaderLinkPlan::Action::notBuiltIn: break;
  }
}

void TMainForm::EditorPageChanged() {
  if (reportPages_ && editor_->MainPageNumber() >= 0) {
    std::printf("page: %s|%d\n", mainZEBset().ZEBFileName().c_str(), editor_->MainPageNumber());
    std::fflush(stdout);
    pagePaintPending_ = true;
  }
  shell_->EditorPageChanged();
}

void TMainForm::EditorDropFile(const std::vector<std::string>& files) {
  std::vector<std::filesystem::path> paths(files.begin(), files.end());
  shell_->filesDropped(paths);
}

void TMainForm::NeedHelpExecuteMacro(const std::string& macro) { shell_->macroReceived(macro); }

}  // namespace zeb
