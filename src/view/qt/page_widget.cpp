// The page control's scrolling window.
#include "view/qt/page_widget.h"

#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/qt/qt_canvas.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"
#include "view/page_painting.h"
#include "view/qt/frame_set.h"
#include "view/qt/night_painting.h"
#include "view/qt/page_accessibility.h"
#include "view/qt/page_controls.h"
#include "view/qt/text_box_widget.h"
#include "view/qt/zoom_painting.h"

namespace zeb {
namespace {

// A wheel notch scrolls three bar steps.
constexpr int wheelNotch = 120;
constexpr int stepsPerNotch = 3;
// Arranging the bars settles within this many passes: showing one bar can only make room
// for the other to be needed.
constexpr int arrangePasses = 3;

// A bar's range and position; a text longer than a bar can count stops there.
int barValue(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<int>::max()));
}

}  // namespace

PageWidget::PageWidget(TZEBset& set, MeasurementCache& measures, PageOwner& owner, QWidget* parent)
    : QWidget(parent),
      page_(std::make_unique<TZEBpage>(set, measures, owner)),
      pixelsPerInch_(measures.pixelsPerInch()),
      vertical_(new QScrollBar(Qt::Vertical, this)),
      horizontal_(new QScrollBar(Qt::Horizontal, this)) {
  page_->setWindow(this);
  for (QScrollBar* bar : {vertical_, horizontal_}) {
    bar->setSingleStep(barStep);
    bar->setTracking(true);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this, [this] { barsMoved(); });
  }
  arrange();
}

PageWidget::~PageWidget() {
  // The viewport refers to the box, which goes with the page.
  dropViewport();
  page_->setWindow(nullptr);
}

void PageWidget::dropViewport() {
  controls_.reset();
  delete viewport_;
  viewport_ = nullptr;
}

void PageWidget::ShowBackground(TZEBtesto* page) {
  page_->ShowBackground(page);
  update();
}

void PageWidget::ShowText(TZEBtesto* page) {
  load([&] { page_->ShowText(page); });
}

void PageWidget::ShowTemporaryText(std::unique_ptr<TZEBtesto> text) {
  load([&] { page_->ShowTemporaryText(std::move(text)); });
}

void PageWidget::load(const std::function<void()>& showText) {
  dropViewport();
  // The page tells its window of the layout while it loads; the bars are arranged after.
  loading_ = true;
  struct Loaded {
    bool& flag;
    ~Loaded() { flag = false; }
  } loaded{loading_};
  showText();
  if (TZEBbox* box = page_->TextBox()) {
    viewport_ = new TextBoxWidget(*box, this);
    viewport_->setZoom(page_->Zoom());
    viewport_->setOwnPopupMenu(ownMenu_);
    connect(viewport_, &TextBoxWidget::popupRequested, this, &PageWidget::popupRequested);
    controls_ = std::make_unique<PageControls>(*page_, *viewport_);
    viewport_->setObjectPlacement(&controls_->placement());
    controls_->build();
    viewport_->show();
  }
  loading_ = false;
  arrange();
  placeControls();
  if (viewport_ != nullptr) announceText(*viewport_);
}

void PageWidget::leave(bool keepEdits) {
  dropViewport();
  if (keepEdits)
    page_->Commit();
  else
    page_->Discard();
}

void PageWidget::setOwnPopupMenu(QMenu* menu) {
  ownMenu_ = menu;
  if (viewport_ != nullptr) viewport_->setOwnPopupMenu(menu);
}

void PageWidget::setReadOnly(bool readOnly) {
  page_->setReadOnly(readOnly);
  if (controls_) controls_->setReadOnly(readOnly);
  arrange();
}

void PageWidget::setAnimated(bool animated) {
  page_->setAnimated(animated);
  if (controls_) controls_->setAnimated(animated);
}

void PageWidget::placeControls() {
  if (controls_ && viewport_ != nullptr) controls_->place(viewport_->origin(), page_->Zoom());
}

void PageWidget::zoomChanged() {
  const PageZoom zoom = zoomOf(*this);
  if (zoom == page_->Zoom()) return;
  page_->setZoom(zoom);
  if (viewport_ != nullptr) viewport_->setZoom(zoom);
  arrange();
  placeControls();
}

void PageWidget::setScrollBarMode(int mode) {
  page_->setScrollBarMode(mode);
  arrange();
}

void PageWidget::setFramesOnly(bool framesOnly) {
  page_->setFramesOnly(framesOnly);
  if (framesOnly) border_ = false;
  arrange();
  update();
}

void PageWidget::setBorder(bool border) {
  if (border == border_) return;
  border_ = border;
  arrange();
  update();
}

void PageWidget::scrollBy(int dx, int dy) {
  if (TZEBbox* box = page_->TextBox()) box->scrollBy(dx, dy);
}

void PageWidget::pageLaidOut() {
  if (!arranging_ && !loading_) arrange();
}

void PageWidget::pageScrolled() { syncBars(); }

void PageWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  arrange();
}

void PageWidget::arrange() {
  if (arranging_) return;
  arranging_ = true;
  // A page made inside a zooming frame set takes its zoom before its first layout.
  if (const PageZoom zoom = zoomOf(*this); zoom != page_->Zoom()) {
    page_->setZoom(zoom);
    if (viewport_ != nullptr) viewport_->setZoom(zoom);
  }
  const int frame = border_ ? 1 : 0;
  const QRect inner = rect().adjusted(frame, frame, -frame, -frame);
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const TZEBbox* box = page_->TextBox();
  bool showVertical = false;
  bool showHorizontal = false;
  int width = 0;
  int height = 0;
  for (int pass = 0; pass < arrangePasses; ++pass) {
    width = std::max(0, inner.width() - (showVertical ? extent : 0));
    height = std::max(0, inner.height() - (showHorizontal ? extent : 0));
    if (width != page_->windowClientWidth() || height != page_->windowClientHeight())
      page_->setClientSize(width, height);
    const ScrollWindow window = box != nullptr ? box->scrollWindow() : ScrollWindow{};
    // The text's extents are in book pixels, as the client size the page gives the box.
    const bool vertical = page_->verticalBarVisible() && window.contentHeight > page_->clientHeight();
    const bool horizontal = page_->horizontalBarVisible() && window.contentWidth > page_->clientWidth();
    if (vertical == showVertical && horizontal == showHorizontal) break;
    showVertical = vertical;
    showHorizontal = horizontal;
  }
  client_ = QRect(inner.topLeft(), QSize(width, height));
  if (viewport_ != nullptr) viewport_->setGeometry(client_);
  vertical_->setGeometry(client_.right() + 1, inner.top(), extent, height);
  horizontal_->setGeometry(inner.left(), client_.bottom() + 1, width, extent);
  vertical_->setVisible(showVertical);
  horizontal_->setVisible(showHorizontal);
  arranging_ = false;
  syncBars();
  update();
}

void PageWidget::syncBars() {
  const TZEBbox* box = page_->TextBox();
  const QSignalBlocker blockVertical(vertical_);
  const QSignalBlocker blockHorizontal(horizontal_);
  if (box == nullptr) {
    vertical_->setRange(0, 0);
    horizontal_->setRange(0, 0);
    return;
  }
  const ScrollWindow window = box->scrollWindow();
  vertical_->setRange(0, barValue(window.maxTop()));
  vertical_->setPageStep(std::max(1, page_->clientHeight()));
  vertical_->setValue(barValue(window.top));
  horizontal_->setRange(0, barValue(window.maxLeft()));
  horizontal_->setPageStep(std::max(1, page_->clientWidth()));
  horizontal_->setValue(barValue(window.left));
  if (viewport_ != nullptr) viewport_->setOrigin(QPoint(barValue(window.left), barValue(window.top)));
  placeControls();
}

void PageWidget::barsMoved() {
  TZEBbox* box = page_->TextBox();
  if (box == nullptr) return;
  box->setScrollPosition(horizontal_->value(), vertical_->value());
  syncBars();
}

void PageWidget::wheelEvent(QWheelEvent* event) {
  const QPoint notches = event->angleDelta();
  if (event->modifiers().testFlag(Qt::ControlModifier)) {
    // Ctrl with the wheel zooms, whole notches at a time (a touchpad's small steps add up).
    zoomWheel_ += notches.y();
    const int whole = zoomWheel_ / wheelNotch;
    zoomWheel_ -= whole * wheelNotch;
    if (whole != 0) {
      for (QWidget* shown = parentWidget(); shown != nullptr; shown = shown->parentWidget()) {
        if (auto* frames = qobject_cast<TZEBCustomFrameSet*>(shown)) {
          emit frames->zoomWheeled(whole);
          break;
        }
      }
    }
    event->accept();
    return;
  }
  TZEBbox* box = page_->TextBox();
  if (box == nullptr) return;
  // A notch moves the window's pixels the same way at every zoom.
  const int dy = page_->Zoom().toBook(-notches.y() * stepsPerNotch * barStep / wheelNotch);
  const int dx = page_->Zoom().toBook(-notches.x() * stepsPerNotch * barStep / wheelNotch);
  box->scrollBy(dx, dy);
  event->accept();
}

void PageWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (border_) {
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  // The corner between two shown bars.
  if (vertical_->isVisible() && horizontal_->isVisible())
    painter.fillRect(QRect(vertical_->x(), horizontal_->y(), vertical_->width(), horizontal_->height()),
                     palette().color(QPalette::Button));
  // Before its text is shown, and where the text leaves it uncovered, the page shows its
  // background.
  if (viewport_ != nullptr) return;
  const QRect area = event->rect().intersected(client_);
  if (area.isEmpty()) return;
  painter.translate(client_.topLeft());
  zoomPainter(painter, page_->Zoom());
  WindowCanvas canvas(*this, painter, toBookRect(page_->Zoom(), area.translated(-client_.topLeft())), pixelsPerInch_);
  paintPageBackground(page_->Background(), page_->set(), canvas);
}

}  // namespace zeb
