// The text box window.
#include "view/qt/text_box_widget.h"

#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>

#include "platform/qt/qt_canvas.h"
#include "platform/windows1252.h"
#include "text/box_painting.h"
#include "text/measurement_cache.h"
#include "view/qt/qt_box_input.h"
#include "text/text_box.h"

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

}  // namespace

TextBoxWidget::TextBoxWidget(TZEBbox& box, QWidget* parent) : QWidget(parent), box_(&box) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // painting covers everything: no erasing first
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  setCursor(qtCursorShape(box.TextCursor()));
  box_->setSurface(this);
}

TextBoxWidget::~TextBoxWidget() {
  if (box_->surface() == this) box_->setSurface(nullptr);
}

void TextBoxWidget::setOwnPopupMenu(QMenu* menu) { ownMenu_ = menu; }

void TextBoxWidget::setOrigin(QPoint origin) {
  if (origin == origin_) return;
  origin_ = origin;
  update();
}

QSize TextBoxWidget::sizeHint() const { return QSize(box_->Width(), box_->Height()); }

void TextBoxWidget::invalidate(const CanvasRect& area) { update(toQRect(area).translated(-origin_)); }

void TextBoxWidget::setMouseCursor(MouseCursor cursor) { setCursor(qtCursorShape(cursor)); }

void TextBoxWidget::hintChanged(std::string_view hint) {
  const QString text = QString::fromStdString(windows1252ToUtf8(hint));
  setToolTip(text.section(QLatin1Char('|'), 0, 0));
  emit hintTextChanged(text);
}

bool TextBoxWidget::hasFocus() const { return QWidget::hasFocus(); }

bool TextBoxWidget::canFocus() const { return isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus; }

void TextBoxWidget::takeFocus() { setFocus(Qt::MouseFocusReason); }

void TextBoxWidget::showPopup(PopupMenuChoice choice, int x, int y) {
  const QPoint global = mapToGlobal(QPoint(x, y) - origin_);
  if (choice == PopupMenuChoice::boxOwn && ownMenu_) {
    ownMenu_->popup(global);
    return;
  }
  emit popupRequested(choice, global);
}

void TextBoxWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.translate(-origin_);
  QtCanvas canvas(painter, event->rect().translated(origin_), box_->measures().pixelsPerInch(), palette());
  paintBox(*box_, canvas, placement_);
}

void TextBoxWidget::mousePressEvent(QMouseEvent* event) { box_->mouseDown(boxMouseEvent(*event, false, origin_)); }

void TextBoxWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  box_->mouseDown(boxMouseEvent(*event, true, origin_));
}

void TextBoxWidget::mouseMoveEvent(QMouseEvent* event) { box_->mouseMove(boxMoveEvent(*event, origin_)); }

void TextBoxWidget::mouseReleaseEvent(QMouseEvent* event) { box_->mouseUp(boxMouseEvent(*event, false, origin_)); }

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
  if (box_->keyDown(boxKeyEvent(*event)))
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
