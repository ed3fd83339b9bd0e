// What a separate page window shows: targets, books in its view, "nexo:" targets, the links
// followed inside it, its history and its buttons.
#include <QComboBox>
#include <QToolButton>

#include "document/book_object.h"
#include "platform/message_boxes.h"
#include "platform/windows1252.h"
#include "shell/go_to_target.h"
#include "shell/messages.h"
#include "shell/qt/about_box.h"
#include "shell/qt/main_form.h"
#include "shell/qt/main_window_links.h"
#include "shell/qt/qt_texts.h"
#include "shell/qt/separate_window_form.h"
#include "shell/qt/separate_window_links.h"
#include "shell/start_request.h"
#include "view/qt/frame_set.h"

namespace zeb {

void TFseparato::showTarget(TZEBoggetto& target, std::int32_t anchor, shell::WindowKind kind, int nestedFlag) {
  if (core_.closing()) return;
  applyKind(core_.showAs(kind, mainWindowSize()));
  if (const std::optional<bool> nested = shell::nestedFramesSetting(nestedFlag)) preview_->setShowNested(*nested);

  TZEBset* book = target.Container();
  if (target.Kind() == TOggettiHel::testoHtml && book != nullptr) {
    showBook(book->ZEBFileName());
    preview_->setMainPageNumber(target.Index());
    preview_->GoToAnchor(anchor);
    bringToFront();
    return;
  }
  if (target.Kind() == TOggettiHel::internetLink && book != nullptr) {
    const std::string address = target.Name();
    if (address.starts_with("nexo:")) {
      GoToTarget(address);
      bringToFront();
      return;
    }
    owner_.starter().confirmAndStart(*book, shell::openRequestFor(*book, address));
    requestClose();
    return;
  }
  // Nothing this window can show: a window made for it and never shown goes again.
  if (!isVisible()) requestClose();
}

bool TFseparato::showInFrameNamed(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) {
  if (core_.closing()) return false;
  switch (core_.lookUpFrame(name)) {
    case shell::SeparateWindowCore::FrameLookup::askPreview:
      return preview_->ShowInNamedFrame(name, &target, anchor, flag);
    case shell::SeparateWindowCore::FrameLookup::thisWindow:
      showTarget(target, anchor, shell::WindowKind::keep, flag);
      return true;
    case shell::SeparateWindowCore::FrameLookup::none: break;
  }
  return false;
}

std::string TFseparato::previewBook() {
  if (preview_->LinkedZEBset() == nullptr) preview_->setLinkedZEBset(&mainWindow_.mainZEBset());
  return preview_->LinkedZEBset()->ZEBFileName();
}

bool TFseparato::showBook(const std::string& path) {
  TZEBset& main = mainWindow_.mainZEBset();
  switch (shell::previewBookFor(path, previewBook(), main.ZEBFileName())) {
    case shell::PreviewBook::unchanged: return true;
    case shell::PreviewBook::main:
      preview_->ClearView();
      preview_->setLinkedZEBset(&main);
      ZEBset1_.Clear();
      return true;
    case shell::PreviewBook::own: return openOwn(path);
    case shell::PreviewBook::cleared: preview_->ClearView(); return true;
  }
  return true;
}

bool TFseparato::openOwn(const std::string& path) {
  preview_->ClearView();
  // Preview lets go of the private container's pages before it loads another book.
  preview_->setLinkedZEBset(nullptr);
  const bool loaded = ZEBset1_.setZEBFileName(path);
  preview_->setLinkedZEBset(&ZEBset1_);
  if (!loaded) ZEBset1_.messages().information(shell::messages::closeOtherWindows);
  return loaded;
}

void TFseparato::GoToTarget(std::string_view target) {
  if (core_.closing()) return;
  previewBook();
  const std::optional<shell::TargetPlan> plan = shell::planGoToTarget(*preview_->LinkedZEBset(), target);
  if (!plan) return;
  if (plan->book == shell::TargetPlan::Book::open) {
    showBook(plan->path);
  } else if (plan->book == shell::TargetPlan::Book::blank) {
    preview_->ClearView();
    return;
  }
  if (plan->page == shell::TargetPlan::Page::show)
    preview_->setMainPageNumber(plan->number);
  else if (plan->page == shell::TargetPlan::Page::cover)
    preview_->ShowCover();
}

void TFseparato::PreviewDoLink(LinkSource source, TZEBoggetto* link) {
  if (link == nullptr || core_.closing()) return;
  ++linksHandled_;
  clickedPage_ = shell::clickedPageOf(*preview_, source);
  const shell::LinkContext context = core_.linkContext(&mainWindow_.mainZEBset(), preview_->ReadOnly());
  try {
    links_->followLink(shell::linkRequestOf(*preview_, source, *link, owner_.clickPoint()), context);
  } catch (...) {
    // Link following reports its own failures; the window goes on.
  }
  clickedPage_ = nullptr;
  if (--linksHandled_ == 0 && closeAfterLinks_) {
    closeAfterLinks_ = false;
    requestClose();
  }
}

// --- History.

void TFseparato::PreviewPageChanged() {
  if (core_.closing() || preview_->LinkedZEBset() == nullptr) return;
  const TZEBset& set = *preview_->LinkedZEBset();
  const std::int32_t page = preview_->MainPageNumber();
  if (const TZEBoggetto* shown = set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), page))
    setWindowTitle(fromBookText(shown->Name(), set.codePageOf(*shown)));
  core_.history().pageChanged(utf8ToWindows1252(set.ZEBFileName()), page, preview_->IsShowingTmpFrameSet(),
                              [this](const std::string& target) { GoToTarget(target); });
}

void TFseparato::historyChanged() {
  const shell::BrowsingHistory& history = core_.history();
  historyCombo_->clear();
  for (const std::string& entry : history.entries()) historyCombo_->addItem(shell::unicodeOf(entry));
  historyCombo_->setCurrentIndex(history.ItemIndex());
  button("BPrecedente")->setEnabled(history.previousEnabled());
  button("Bseguente")->setEnabled(history.nextEnabled());
}

void TFseparato::goHistory(int index) {
  if (core_.closing()) return;
  core_.history().go(index, [this](const std::string& target) { GoToTarget(target); });
}

void TFseparato::HistoryComboClick(int index) {
  if (core_.closing()) return;
  core_.history().choose(index, [this](const std::string& target) { GoToTarget(target); });
}

void TFseparato::BPrecedenteClick() { goHistory(core_.history().ItemIndex() - 1); }
void TFseparato::BseguenteClick() { goHistory(core_.history().ItemIndex() + 1); }

// --- Buttons and menu.

void TFseparato::CoverButtonClick() {
  if (!core_.closing()) preview_->ShowCover();
}

void TFseparato::SummaryButtonClick() {
  if (!core_.closing()) preview_->ShowSummary();
}

void TFseparato::CercaKeyButtonClick() { mainWindow_.CercaKeyButtonClick(); }
void TFseparato::printClick() { mainWindow_.FilePrint(); }
void TFseparato::FileExitItemClick() { requestClose(); }

void TFseparato::HelpAboutItemClick() {
  shell::TFabout about(this);
  about.exec();
}

}  // namespace zeb
