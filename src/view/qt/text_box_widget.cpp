// The text box window.
#include "view/qt/text_box_widget.h"

#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>

#include "export/reading_text.h"
#include "platform/qt/book_text.h"
#include "platform/qt/qt_canvas.h"
#include "platform/windows1252.h"
#include "text/box_painting.h"
#include "text/measurement_cache.h"
#include "text/nested_boxes.h"
#include "text/paragraph.h"
#include "text/table_cells.h"
#include "text/text_box.h"
#include "view/qt/hint_tips.h"
#include "view/qt/night_painting.h"
#include "view/qt/page_accessibility.h"
#include "view/qt/qt_box_input.h"
#include "view/qt/zoom_painting.h"

namespace zeb {
namespace {

std::vector<std::string> localFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

// The event at a point of the box it goes to.
MouseEvent at(MouseEvent event, QPoint point) {
  event.x = point.x();
  event.y = point.y();
  return event;
}

bool holdsCell(const TZEBbox& box, const TZEBbox& wanted, int depth) {
  if (&box == &wanted) return true;
  if (depth >= limits::maxTableNesting) return false;
  for (const auto& paragraph : box.Paragraphs()) {
    for (const EmbeddedRef& ref : paragraph->Objects) {
      const TableCells* table = ref.visual != nullptr ? ref.visual->tableCells() : nullptr;
      if (table == nullptr) continue;
      for (const auto& cell : table->cells())
        if (cell && holdsCell(*cell, wanted, depth + 1)) return true;
    }
  }
  return false;
}

}  // namespace

// A table cell shown through the window of the box around it: its coordinates are the
// window's box coordinates less the cell's offset in that box.
class TextBoxWidget::CellSurface final : public BoxSurface {
 public:
  CellSurface(TextBoxWidget& window, TZEBbox& cell) : window_(window), cell_(cell) {}
  TZEBbox& cell() const { return cell_; }

  void invalidate(const CanvasRect& area) override { window_.invalidate(outer(area)); }
  void setMouseCursor(MouseCursor cursor) override { window_.setMouseCursor(cursor); }
  void hintChanged(std::string_view hint) override { window_.hintChanged(hint); }
  bool hasFocus() const override { return window_.hasFocus() && &window_.inputBox() == &cell_; }
  bool canFocus() const override { return window_.canFocus(); }
  void takeFocus() override { window_.takeFocus(); }
  void showPopup(PopupMenuChoice choice, int x, int y) override {
    const BoxOffset offset = offsetInOutermostBox(cell_);
    window_.showPopup(choice, x + offset.x, y + offset.y);
  }
  void caretMoved(TZEBbox& box) override { window_.caretMoved(box); }

 private:
  CanvasRect outer(const CanvasRect& area) const {
    const BoxOffset offset = offsetInOutermostBox(cell_);
    return area.translated(offset.x, offset.y);
  }

  TextBoxWidget& window_;
  TZEBbox& cell_;
};

TextBoxWidget::TextBoxWidget(TZEBbox& box, QWidget* parent) : QWidget(parent), box_(&box), inputBox_(&box) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // painting covers everything: no erasing first
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  setCursor(qtCursorShape(box.TextCursor()));
  box_->setSurface(this);
  installPageAccessibility();
}

TextBoxWidget::~TextBoxWidget() {
  if (box_->surface() == this) box_->setSurface(nullptr);
  // Cells freed since they were attached are not touched.
  for (const auto& surface : cellSurfaces_)
    if (holds(surface->cell()) && surface->cell().surface() == surface.get()) surface->cell().setSurface(nullptr);
}

bool TextBoxWidget::holds(const TZEBbox& box) const { return holdsCell(*box_, box, 0); }

void TextBoxWidget::attach(TZEBbox& cell) {
  if (&cell == box_) return;
  for (const auto& surface : cellSurfaces_) {
    if (&surface->cell() == &cell) {
      cell.setSurface(surface.get());
      return;
    }
  }
  // Surfaces of cells that are gone are dropped.
  std::erase_if(cellSurfaces_, [this](const auto& surface) { return !holds(surface->cell()); });
  cellSurfaces_.push_back(std::make_unique<CellSurface>(*this, cell));
  cell.setSurface(cellSurfaces_.back().get());
}

TZEBbox& TextBoxWidget::routeTo(QPoint widgetPoint, QPoint& boxPoint) {
  const QPoint point = toBox(widgetPoint);
  const BoxPoint inner = innermostBoxAt(*box_, point.x(), point.y());
  TZEBbox& target = inner.box != nullptr ? *inner.box : *box_;
  boxPoint = inner.box != nullptr ? QPoint(inner.x, inner.y) : point;
  attach(target);
  return target;
}

void TextBoxWidget::setOwnPopupMenu(QMenu* menu) { ownMenu_ = menu; }

void TextBoxWidget::setOrigin(QPoint origin) {
  if (origin == origin_) return;
  origin_ = origin;
  update();
}

void TextBoxWidget::setZoom(PageZoom zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  update();
}

QPoint TextBoxWidget::toBox(QPoint point) const { return toBookPoint(zoom_, point) + origin_; }

QSize TextBoxWidget::sizeHint() const { return QSize(zoom_.toWindow(box_->Width()), zoom_.toWindow(box_->Height())); }

void TextBoxWidget::invalidate(const CanvasRect& area) {
  update(toWindowRect(zoom_, toQRect(area).translated(-origin_)));
}

QRect TextBoxWidget::toWidget(const CanvasRect& boxArea) const {
  return toWindowRect(zoom_, toQRect(boxArea).translated(-origin_));
}

const ReadingText& TextBoxWidget::readingText() const {
  if (!readingText_) readingText_ = std::make_unique<ReadingText>(*box_);
  return *readingText_;
}

TZEBbox& TextBoxWidget::caretBox() const { return caretBox_ != nullptr && holds(*caretBox_) ? *caretBox_ : *box_; }

void TextBoxWidget::caretMoved(TZEBbox& box) {
  caretBox_ = &box;
  announceCaret(*this);
}

bool TextBoxWidget::focusNextPrevChild(bool next) {
  if (QWidget::hasFocus()) {
    // Counted from the box the keys go to; the keys follow the link chosen into its cell.
    if (!holds(*inputBox_)) inputBox_ = box_;
    if (TZEBbox* target = box_->selectNextLink(next, *inputBox_)) {
      inputBox_ = target;
      attach(*target);
      return true;
    }
  }
  return QWidget::focusNextPrevChild(next);
}

void TextBoxWidget::setMouseCursor(MouseCursor cursor) { setCursor(qtCursorShape(cursor)); }

void TextBoxWidget::hintChanged(std::string_view hint) {
  // The long part goes to the status bar of the window (a status tip travels up to it),
  // and leaves it with the mouse, as the status tips of all controls do.
  const QString text = fromBookText(hint, box_->codePage());
  setHintTips(*this, text);
  showStatusTip(*this);
  emit hintTextChanged(text);
}

bool TextBoxWidget::hasFocus() const { return QWidget::hasFocus(); }

bool TextBoxWidget::canFocus() const { return isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus; }

void TextBoxWidget::takeFocus() { setFocus(Qt::MouseFocusReason); }

void TextBoxWidget::showPopup(PopupMenuChoice choice, int x, int y) {
  const QPoint global = mapToGlobal(toWindowPoint(zoom_, QPoint(x, y) - origin_));
  if (choice == PopupMenuChoice::boxOwn && ownMenu_) {
    ownMenu_->popup(global);
    return;
  }
  emit popupRequested(choice, global);
}

void TextBoxWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  zoomPainter(painter, zoom_);
  painter.translate(-origin_);
  WindowCanvas canvas(*this, painter, toBookRect(zoom_, event->rect()).translated(origin_),
                      box_->measures().pixelsPerInch());
  paintBox(*box_, canvas, placement_);
}

void TextBoxWidget::mousePressEvent(QMouseEvent* event) { mouseDoubleClickOrPress(*event, false); }

void TextBoxWidget::mouseDoubleClickEvent(QMouseEvent* event) { mouseDoubleClickOrPress(*event, true); }

void TextBoxWidget::mouseDoubleClickOrPress(QMouseEvent& event, bool doubleClick) {
  QPoint point;
  TZEBbox& target = routeTo(event.position().toPoint(), point);
  pressedBox_ = &target;
  inputBox_ = &target;
  // The box pressed is the one whose selection and search count from now on.
  target.mouseDown(at(boxMouseEvent(event, doubleClick), point));
}

void TextBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  if (pressedBox_ != nullptr && event->buttons() != Qt::NoButton && holds(*pressedBox_)) {
    // A drag stays with the box pressed, in its coordinates.
    const BoxOffset offset = offsetInOutermostBox(*pressedBox_);
    const QPoint point = toBox(event->position().toPoint()) - QPoint(offset.x, offset.y);
    pressedBox_->mouseMove(at(boxMoveEvent(*event), point));
    return;
  }
  QPoint point;
  TZEBbox& target = routeTo(event->position().toPoint(), point);
  target.mouseMove(at(boxMoveEvent(*event), point));
}

void TextBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  TZEBbox* target = pressedBox_ != nullptr && holds(*pressedBox_) ? pressedBox_ : box_;
  pressedBox_ = nullptr;
  const BoxOffset offset = target == box_ ? BoxOffset{} : offsetInOutermostBox(*target);
  const QPoint point = toBox(event->position().toPoint()) - QPoint(offset.x, offset.y);
  target->mouseUp(at(boxMouseEvent(*event), point));
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
  if (!holds(*inputBox_)) inputBox_ = box_;
  TZEBbox& target = *inputBox_;
  const bool handled = target.keyDown(boxKeyEvent(*event));
  // The caret went into a cell or out of one: the next keys follow it.
  if (TZEBbox* next = target.takeCaretHandover(); next != nullptr && holds(*next)) {
    // One caret shows: the box left still thought it had the keys.
    target.hideCaret();
    inputBox_ = next;
    attach(*next);
    next->showCaret();
  }
  if (handled)
    event->accept();
  else
    QWidget::keyPressEvent(event);
}

void TextBoxWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  box_->focusGained();
}

void TextBoxWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  box_->focusLost();
}

void TextBoxWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (!localFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void TextBoxWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (!localFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void TextBoxWidget::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = localFiles(event->mimeData());
  if (paths.empty()) return;
  const QPoint point = toBox(event->position().toPoint());
  box_->dropFiles(paths, point.x(), point.y());
  event->acceptProposedAction();
}

}  // namespace zeb
