// A frame: its children and splitters placed from the frame tree, its page, and the steps
// after a splitter drag.
#include "view/qt/frame_widget.h"

#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>
#include <algorithm>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/book_text.h"
#include "platform/windows1252.h"
#include "view/frame_layout.h"
#include "view/qt/control_align.h"
#include "view/qt/frame_set.h"
#include "view/qt/page_widget.h"
#include "view/qt/small_controls.h"
#include "view/qt/splitters.h"

namespace zeb {
namespace {

// A frame's inner panel keeps this margin when the frame-margin flag is set.
constexpr int frameMarginWidth = 10;

QRect toQRect(const FrameRect& rect) { return QRect(rect.left, rect.top, rect.width, rect.height); }

ControlAlign controlAlignOf(FrameAlignment alignment) {
  switch (alignment) {
    case FrameAlignment::top: return ControlAlign::top;
    case FrameAlignment::left: return ControlAlign::left;
    case FrameAlignment::fill: return ControlAlign::client;
    case FrameAlignment::none: break;
  }
  return ControlAlign::none;
}

}  // namespace

TZEBFrame::TZEBFrame(TZEBCustomFrameSet& frameSet, FrameNode& node, TZEBFrame* parentFrame, QWidget* parent)
    : TZEBFramePanel(parent),
      frameSet_(&frameSet),
      node_(&node),
      parentFrame_(parentFrame),
      inner_(new TNoBgPaintPanel(this)) {
  inheritSettings(parentFrame != nullptr ? static_cast<const TZEBFramePanel&>(*parentFrame) : frameSet);
  setControlAlign(*this, controlAlignOf(node.alignment));
  inner_->setGeometry(rect());
  connect(inner_, &TNoBgPaintPanel::OnMyClick, this, [this] {
    if (ShowFramesOnly()) frameSet_->ClickFrame(this);
  });
}

TZEBFrame::~TZEBFrame() {
  // Pages first: a page tells the frame set it is closing, while its boxes still exist.
  delete page_;
  page_ = nullptr;
  freeChildren();
  delete splitAfter_;
}

TZEBSplit* TZEBFrame::splitterBefore() const {
  if (parentFrame_ == nullptr) return nullptr;
  const auto& siblings = parentFrame_->children_;
  const auto place = std::find(siblings.begin(), siblings.end(), this);
  if (place == siblings.begin() || place == siblings.end()) return nullptr;
  return (*(place - 1))->splitAfter_;
}

void TZEBFrame::setPopup(QMenu* menu) {
  popup_ = menu;
  if (page_ != nullptr) page_->setOwnPopupMenu(menu);
}

TZEBpage* TZEBFrame::framePage() const { return page_ != nullptr ? &page_->page() : nullptr; }

// --- The frames of a map.

void TZEBFrame::buildChildren() {
  freeChildren();
  for (FrameNode& childNode : node_->children) {
    auto* child = new TZEBFrame(*frameSet_, childNode, this, inner_);
    child->setPopup(frameSet_->Popup(FramePopup::PopupFrameChild));
    child->setTablePopup(frameSet_->Popup(FramePopup::PopupTableChild));
    children_.push_back(child);
    if (childNode.hasSplitterAfter) {
      auto* splitter = new TZEBSplit(inner_);
      splitter->setMintargetlimit(frameSplitterMinTarget(BarWidth()));
      splitter->setMaxTargetLimit(frameSplitterMaxTargetLimit(BarWidth()));
      splitter->setTargetControl(child);
      connect(splitter, &SplitterBase::OnEndSplit, this, [this, child] { splitterReleased(*child); });
      child->splitAfter_ = splitter;
    }
    child->buildChildren();
    child->show();
  }
  applySettings();
  placeChildren();
}

void TZEBFrame::freeChildren() {
  std::vector<TZEBFrame*> children;
  children.swap(children_);
  for (TZEBFrame* child : children) delete child;
}

void TZEBFrame::placeChildren() {
  for (TZEBFrame* child : children_) {
    const FrameNode& childNode = child->node();
    child->setGeometry(toQRect(childNode.bounds));
    if (child->splitAfter_ != nullptr) {
      child->splitAfter_->setGeometry(toQRect(childNode.splitterBounds));
      child->splitAfter_->setVisible(childNode.splitterBounds.width > 0 && childNode.splitterBounds.height > 0);
      child->splitAfter_->raise();
    }
    child->placeChildren();
  }
}

void TZEBFrame::applySettings() {
  const FrameRecord& settings = record();
  const bool framesOnly = ShowFramesOnly();
  // The name shows on the panel in frames-only mode, where the panel is opaque.
  inner_->setTransparent(!framesOnly);
  const std::uint16_t codePage = frameSet_->LinkedZEBset() != nullptr ? frameSet_->LinkedZEBset()->codePage() : 1252;
  inner_->setCaption(fromBookText(framesOnly ? settings.name : frameCaption(settings), codePage));
  const QColor splitterColour = qtColourOf(settings.splitterColour, palette());
  if (splitAfter_ != nullptr) splitAfter_->setColor(splitterColour);
  if (TZEBSplit* before = splitterBefore()) before->setColor(splitterColour);
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i]->splitAfter_ != nullptr)
      children_[i]->splitAfter_->setSizeable(splitterDraggable(*node_, i, ReadOnly()));
  }
  if (page_ != nullptr) {
    page_->setBorder(framePageHasBorder(settings, framesOnly));
    page_->setScrollBarMode(frameScrollBarMode(settings));
    page_->update();
  }
}

void TZEBFrame::collectLeaves(std::vector<TZEBFrame*>& leaves) {
  if (children_.empty()) {
    leaves.push_back(this);
    return;
  }
  for (TZEBFrame* child : children_) child->collectLeaves(leaves);
}

int TZEBFrame::thickness() const { return effectiveSplitterThickness(record(), ReadOnly()); }

// --- The page.

void TZEBFrame::createPage(TZEBtesto* page) {
  freePage();
  TZEBset* set = frameSet_->LinkedZEBset();
  if (set == nullptr) return;
  page_ = new PageWidget(*set, frameSet_->measures(), *frameSet_, inner_);
  page_->setReadOnly(ReadOnly());
  page_->setAnimated(Animated());
  page_->setFramesOnly(ShowFramesOnly());
  page_->setScrollBarMode(frameScrollBarMode(record()));
  page_->setBorder(framePageHasBorder(record(), ShowFramesOnly()));
  page_->setOwnPopupMenu(popup_);
  connect(page_, &PageWidget::popupRequested, frameSet_, &TZEBCustomFrameSet::showPopupMenu);
  page_->setGeometry(inner_->clientRect());
  page_->ShowBackground(page);
  page_->setVisible(!ShowFramesOnly());
}

void TZEBFrame::loadPage(TZEBtesto* page) {
  if (page_ == nullptr || ShowFramesOnly()) return;
  page_->ShowText(page);
}

void TZEBFrame::ShowPage(TZEBtesto* page) {
  if (page_ != nullptr && page != nullptr && page_->page().ShownPage() == page) return;
  try {
    createPage(page);
    loadPage(page);
  } catch (...) {
    // A page that cannot be loaded leaves its frame showing what it could.
  }
}

void TZEBFrame::freePage() {
  if (page_ == nullptr) return;
  PageWidget* page = page_;
  page_ = nullptr;
  page->leave(frameSet_->SaveOnExit());
  delete page;
}

// --- Settings and size.

void TZEBFrame::passSettingsDown() {
  for (TZEBFrame* child : children_) child->takeSettingsFrom(*this);
  if (page_ != nullptr) {
    const bool wasFramesOnly = page_->page().FramesOnly();
    page_->setReadOnly(ReadOnly());
    page_->setAnimated(Animated());
    page_->setFramesOnly(ShowFramesOnly());
    page_->setVisible(!ShowFramesOnly());
    // A page made while only names showed loads its text when the pages show again.
    if (wasFramesOnly && !ShowFramesOnly() && page_->page().TextBox() == nullptr && frameSet_->LinkedZEBset() != nullptr) {
      auto* shown = static_cast<TZEBtesto*>(
          frameSet_->LinkedZEBset()->objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), record().page));
      try {
        page_->ShowText(shown);
      } catch (...) {
      }
    }
  }
  applySettings();
}

void TZEBFrame::resizeEvent(QResizeEvent* event) {
  TZEBFramePanel::resizeEvent(event);
  placeInnerPanel();
}

void TZEBFrame::setFrameMargin(bool margin) {
  TZEBFramePanel::setFrameMargin(margin);
  placeInnerPanel();
}

void TZEBFrame::placeInnerPanel() {
  const int margin = FrameMargin() ? frameMarginWidth : 0;
  inner_->setGeometry(rect().adjusted(margin, margin, -margin, -margin));
  if (page_ != nullptr) page_->setGeometry(inner_->clientRect());
}

void TZEBFrame::mousePressEvent(QMouseEvent* event) { event->accept(); }

// --- Splitter drags.

void TZEBFrame::splitterReleased(TZEBFrame& target) {
  const auto place = std::find(children_.begin(), children_.end(), &target);
  if (place == children_.end()) return;
  const auto index = static_cast<std::size_t>(place - children_.begin());
  const bool sideways = target.node().alignment == FrameAlignment::left;
  resizeChild(*node_, index, sideways ? target.width() : target.height(), thickness());
  const AfterDrag outcome = afterSplitterDrag(*node_, index, BarWidth(), ReadOnly(), ShowFramesOnly());
  if (outcome.deleteTarget) {
    QPointer<TZEBFrame> self(this);
    QPointer<TZEBFrame> doomed(&target);
    frameSet_->post([self, doomed] {
      if (self && doomed) self->deleteChild(*doomed);
    });
    placeChildren();
    return;
  }
  // The children's own frames fit their new sizes.
  for (FrameNode& child : node_->children) layOutFrameTree(child, ReadOnly());
  placeChildren();
  if (!outcome.ignored) frameSet_->frameDragged(*this);
}

void TZEBFrame::deleteChild(TZEBFrame& child) {
  const auto place = std::find(children_.begin(), children_.end(), &child);
  if (place == children_.end()) return;
  const auto index = place - children_.begin();
  freeChildren();
  node_->children.erase(node_->children.begin() + index);
  node_->record.hasChildren = node_->children.empty() ? 0 : 1;
  layOutFrameTree(*node_, ReadOnly());
  buildChildren();
  frameSet_->loadLeaves(*this);
  frameSet_->frameDragged(*this);
}

}  // namespace zeb
