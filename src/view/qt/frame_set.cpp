// The frame set: its settings, linking to a container, posting, painting and keys.
#include "view/qt/frame_set.h"

#include <QApplication>
#include <QKeyEvent>
#include <QResizeEvent>

#include "document/container.h"
#include "platform/event_queue.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"
#include "view/box_choice.h"
#include "view/frame_layout.h"
#include "view/frame_set_keys.h"
#include "view/qt/frame_widget.h"
#include "view/qt/night_painting.h"
#include "view/qt/page_widget.h"
#include "view/qt/qt_box_input.h"
#include "view/qt/visual_control.h"

namespace zeb {

TZEBCustomFrameSet::TZEBCustomFrameSet(QWidget* parent) : TZEBFramePanel(parent) {
  // Keys reach the frame set when it has the focus itself (boxes of reading pages give it
  // the focus on a click), the arrows included.
  setFocusPolicy(Qt::StrongFocus);
}

TZEBCustomFrameSet::~TZEBCustomFrameSet() {
  // The frames and their pages go while the frame set can still hear pages closing.
  alive_.reset();
  if (timer_) timer_->stop();
  delete root_;
  root_ = nullptr;
}

void TZEBCustomFrameSet::setAnchorPreview(bool preview) {
  if (preview == anchorPreview_) return;
  anchorPreview_ = preview;
  for (PageWidget* page : ShownPages()) page->update();
}

void TZEBCustomFrameSet::setNightView(const NightView& view) {
  if (view == nightView_) return;
  nightView_ = view;
  setPalette(view.on ? nightPaletteOf(QApplication::palette()) : QPalette());
  update();
  for (QWidget* shown : findChildren<QWidget*>()) shown->update();
}

void TZEBCustomFrameSet::setZoom(PageZoom zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  for (PageWidget* page : findChildren<PageWidget*>()) page->zoomChanged();
}

void TZEBCustomFrameSet::setLinkedZEBset(TZEBset* set) {
  if (set == set_) return;
  if (set == nullptr) activeBox_ = nullptr;
  currentControl_ = nullptr;
  currentVisual_ = nullptr;
  // The pages shown belong to the old container and measure with its cache.
  if (timer_) timer_->stop();
  timer_.reset();
  timedTarget_ = nullptr;
  clearFrames();
  set_ = set;
  measures_.reset();
  if (set_ != nullptr) {
    measures_ = std::make_unique<MeasurementCache>(*set_->services().measurer);
    if (EventQueue* events = set_->services().events) timer_ = events->createTimer();
  }
  setMainPageNumber(-1);
}

void TZEBCustomFrameSet::setShowNested(bool nested) {
  if (nested == showNested_) return;
  showNested_ = nested;
  if (root_ != nullptr && pageNumber_ >= 0) showPage(pageNumber_, true);
}

void TZEBCustomFrameSet::setSaveOnExit(bool save) {
  if (save && showingTemporary_) {
    setIsShowingTmpFrameSet(false);
    return;
  }
  saveOnExit_ = save;
}

void TZEBCustomFrameSet::setShowBoundaries(bool show) {
  showBoundaries_ = show;
  update();
}

void TZEBCustomFrameSet::setIsShowingTmpFrameSet(bool showing) {
  if (showing == showingTemporary_) return;
  if (showing) {
    keptReadOnly_ = ReadOnly();
    keptSaveOnExit_ = saveOnExit_;
    keptPage_ = pageNumber_;
    showingTemporary_ = true;
    saveOnExit_ = false;
    if (!ReadOnly()) {
      TZEBFramePanel::setReadOnly(true);
      showPage(keptPage_, true);
    }
    return;
  }
  ClearView();
  showingTemporary_ = false;
  if (set_ != nullptr && set_->count(kindNumber(TOggettiHel::testoHtml)) > 0) {
    TZEBFramePanel::setReadOnly(keptReadOnly_);
    saveOnExit_ = keptSaveOnExit_;
    setMainPageNumber(keptPage_);
  }
}

void TZEBCustomFrameSet::setReadOnly(bool readOnly) {
  if (readOnly && currentControl_ != nullptr) activeBox_ = currentControl_;
  if (!readOnly && showingTemporary_) setIsShowingTmpFrameSet(false);
  if (timer_) timer_->stop();
  TZEBFramePanel::setReadOnly(readOnly);
  if (readOnly) FocusCurrentBox();
}

void TZEBCustomFrameSet::setShowFramesOnly(bool framesOnly) { TZEBFramePanel::setShowFramesOnly(framesOnly); }

void TZEBCustomFrameSet::passSettingsDown() {
  if (root_ == nullptr) return;
  root_->takeSettingsFrom(*this);
  // Splitters are thicker when authoring.
  placeRoot();
}

void TZEBCustomFrameSet::placeRoot() {
  if (root_ == nullptr || frames_ == nullptr) return;
  frames_->root.bounds = FrameRect{0, 0, width(), height()};
  layOutFrameTree(frames_->root, ReadOnly());
  root_->setGeometry(rect());
  root_->placeChildren();
}

void TZEBCustomFrameSet::resizeEvent(QResizeEvent* event) {
  TZEBFramePanel::resizeEvent(event);
  placeRoot();
}

void TZEBCustomFrameSet::paintEvent(QPaintEvent* event) {
  // The root frame covers the frame set: nothing is erased under it.
  if (root_ == nullptr) TZEBFramePanel::paintEvent(event);
}

void TZEBCustomFrameSet::keyPressEvent(QKeyEvent* event) {
  TZEBpage* page = pageHolding(registry_, activeBox_);
  const std::optional<ScrollStep> step =
      page != nullptr ? frameSetScrollStep(boxKeyEvent(*event).key, page->clientHeight()) : std::nullopt;
  if (!step || page->TextBox() == nullptr) {
    TZEBFramePanel::keyPressEvent(event);
    return;
  }
  page->TextBox()->scrollBy(step->dx, step->dy);
  event->accept();
}

void TZEBCustomFrameSet::TakeFocus() { setFocus(Qt::MouseFocusReason); }

void TZEBCustomFrameSet::post(std::function<void()> work) {
  EventQueue* events = set_ != nullptr ? set_->services().events : nullptr;
  if (events == nullptr) return;
  std::weak_ptr<bool> alive = alive_;
  events->post([alive, work = std::move(work)] {
    if (!alive.expired()) work();
  });
}

bool TZEBCustomFrameSet::timedLinkArmed() const { return timer_ != nullptr && timer_->active(); }

void readOffscreen(TZEBCustomFrameSet& frames, TZEBset& set, QSize size) {
  frames.setAttribute(Qt::WA_DontShowOnScreen);
  frames.resize(size);
  frames.setReadOnly(true);
  frames.setAutoJump(false);
  frames.setLinkedZEBset(&set);
  frames.show();
}

}  // namespace zeb
