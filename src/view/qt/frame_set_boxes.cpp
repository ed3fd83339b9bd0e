// The boxes a frame set acts on, and what its boxes, pages and frames tell it.
#include <QMenu>
#include <QPalette>

#include "text/text_box.h"
#include "view/box_choice.h"
#include "view/qt/frame_set.h"
#include "view/qt/frame_widget.h"
#include "view/qt/page_widget.h"
#include "view/qt/small_controls.h"
#include "view/qt/visual_control.h"

namespace zeb {

TZEBpage* TZEBCustomFrameSet::rootPage() const {
  if (root_ == nullptr || !root_->childFrames().empty() || root_->page() == nullptr) return nullptr;
  return &root_->page()->page();
}

TZEBbox* TZEBCustomFrameSet::CurrentBox() const {
  return chooseCurrentBox(ShownBoxes{currentControl_, rootPage(), registry_, pageNumber_});
}

TZEBbox* TZEBCustomFrameSet::MainBox() const {
  return chooseMainBox(ShownBoxes{currentControl_, rootPage(), registry_, pageNumber_});
}

bool TZEBCustomFrameSet::GoToAnchor(std::int32_t anchor) {
  if (anchor == -1) return false;
  TZEBpage* page = chooseAnchorPage(ShownBoxes{currentControl_, rootPage(), registry_, pageNumber_});
  return page != nullptr && page->GoToAnchor(anchor);
}

void TZEBCustomFrameSet::setCaretBrowsing(bool browsing) {
  caretBrowsing_ = browsing;
  TZEBbox* box = CurrentBox();
  if (box == nullptr) return;
  if (!browsing) {
    box->hideCaret();
    return;
  }
  FocusCurrentBox();
  if (!box->hasSelection()) box->showCaret();
  box->selectionChanged();
}

void TZEBCustomFrameSet::FocusCurrentBox() {
  if (busy()) return;
  try {
    if (currentControl_ == nullptr) currentControl_ = CurrentBox();
    TZEBbox* box = currentControl_;
    if (box == nullptr) return;
    BoxSurface* surface = box->surface();
    if (surface == nullptr || !surface->canFocus()) return;
    SetActiveBox(*box);
    surface->takeFocus();
  } catch (...) {
    currentControl_ = nullptr;
  }
}

TZEBTextAttributes* TZEBCustomFrameSet::CurrentTextAttributes() const {
  if (busy() || currentControl_ == nullptr) return nullptr;
  return &currentControl_->TextAttributes();
}

void TZEBCustomFrameSet::CopySelection() {
  if (currentVisual_ != nullptr)
    currentVisual_->CopyObject();
  else if (currentControl_ != nullptr)
    currentControl_->CopySelection();
}

bool TZEBCustomFrameSet::findIn(TZEBbox* box, std::string_view text, bool fromSelection) {
  TZEBpage* page = pageHolding(registry_, box);
  if (page == nullptr) return false;
  if (!fromSelection) box->ClearSelection();
  // The search starts in the box chosen, a table cell's too.
  page->setActiveBox(box);
  page->StartSearch(fromSelection);
  return page->FindNext(text);
}

bool TZEBCustomFrameSet::FindInCurrentBox(std::string_view text) { return findIn(CurrentBox(), text, false); }

bool TZEBCustomFrameSet::FindInMainBox(std::string_view text) { return findIn(MainBox(), text, false); }

bool TZEBCustomFrameSet::FindFromSelection(std::string_view text) { return findIn(CurrentBox(), text, true); }

std::vector<PageWidget*> TZEBCustomFrameSet::ShownPages() const {
  std::vector<PageWidget*> pages;
  if (root_ == nullptr) return pages;
  std::vector<TZEBFrame*> leaves;
  root_->collectLeaves(leaves);
  for (TZEBFrame* leaf : leaves)
    if (leaf->page() != nullptr) pages.push_back(leaf->page());
  return pages;
}

// --- Notifications.

void TZEBCustomFrameSet::SetCurrentControl(TZEBbox& box) {
  currentControl_ = &box;
  currentVisual_ = nullptr;
  emit OnSelectionChange(&box);
}

TMyyVisual* TZEBCustomFrameSet::currentVisual() const { return currentVisual_; }

void TZEBCustomFrameSet::SetCurrentControl(TMyyVisual& control) {
  currentControl_ = &control.box();
  currentVisual_ = &control;
  emit OnSelectionChange(currentControl_);
}

void TZEBCustomFrameSet::SetActiveBox(TZEBbox& box) {
  // Only one box shows a selection.
  if (activeBox_ != nullptr && activeBox_ != &box) activeBox_->ClearSelection();
  if (ReadOnly()) activeBox_ = &box;
}

TZEBFrame* TZEBCustomFrameSet::clickedFrame() const { return clickedFrame_; }

void TZEBCustomFrameSet::ClickFrame(TZEBFrame* frame) {
  if (clickedFrame_ != nullptr && clickedFrame_ != frame)
    clickedFrame_->innerPanel().setColor(palette().color(QPalette::Button));
  clickedFrame_ = frame;
  if (frame != nullptr) frame->innerPanel().setColor(palette().color(QPalette::Dark));
  emit OnClickFrame(frame);
}

void TZEBCustomFrameSet::activateFrameOf(TZEBpage& page) {
  if (TZEBFrame* frame = frameShowing(page)) ClickFrame(frame);
}

std::string TZEBCustomFrameSet::GetHint(TZEBoggetto& object) {
  std::string hint;
  emit OnGetHint(&object, &hint);
  return hint;
}

void TZEBCustomFrameSet::frameDragged(TZEBFrame& frame) {
  if (currentControl_ != nullptr) emit OnRulerPosChanged(currentControl_);
  emit OnFrameSetChanged(&frame);
}

void TZEBCustomFrameSet::showPopupMenu(PopupMenuChoice choice, QPoint globalPosition) {
  QMenu* menu = nullptr;
  switch (choice) {
    case PopupMenuChoice::PopupInactive: menu = Popup(FramePopup::PopupInactive); break;
    case PopupMenuChoice::PopupSpecLink: menu = Popup(FramePopup::PopupSpecLink); break;
    case PopupMenuChoice::PopupGenLink: menu = Popup(FramePopup::PopupGenLink); break;
    case PopupMenuChoice::boxOwn: break;
  }
  if (menu != nullptr) menu->popup(globalPosition);
}

void TZEBCustomFrameSet::pageLoaded(TZEBpage& page) {
  if (std::find(registry_.begin(), registry_.end(), &page) == registry_.end()) registry_.push_back(&page);
}

void TZEBCustomFrameSet::pageClosing(TZEBpage& page) {
  std::erase(registry_, &page);
  if (currentControl_ != nullptr && page.holdsBox(*currentControl_)) {
    currentControl_ = nullptr;
    currentVisual_ = nullptr;
  }
  if (activeBox_ != nullptr && page.holdsBox(*activeBox_)) activeBox_ = nullptr;
  // The object remembered from a click may be one of the page's working copies.
  remembered_ = nullptr;
}

}  // namespace zeb
