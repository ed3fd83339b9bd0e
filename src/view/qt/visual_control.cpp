// The common base of the page's object controls.
#include "view/qt/visual_control.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "document/container.h"
#include "platform/message_boxes.h"
#include "platform/qt/book_text.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_fonts.h"
#include "platform/windows1252.h"
#include "text/embedded_object.h"
#include "text/measurement_cache.h"
#include "text/nested_boxes.h"
#include "text/object_placement.h"
#include "text/text_box.h"
#include "view/messages.h"
#include "view/page_view.h"
#include "view/qt/hint_tips.h"
#include "view/qt/night_painting.h"
#include "view/qt/qt_box_input.h"
#include "view/qt/zoom_painting.h"
#include "view/visual_size.h"

namespace zeb {

TZEBCustomFrameSet* frameSetAround(const QWidget* widget) {
  for (QWidget* parent = widget != nullptr ? widget->parentWidget() : nullptr; parent != nullptr;
       parent = parent->parentWidget()) {
    if (auto* frames = qobject_cast<TZEBCustomFrameSet*>(parent)) return frames;
  }
  return nullptr;
}

TMyyVisual::TMyyVisual(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : QWidget(parent), sizing_(&sizing), box_(&box), page_(&page), frameSet_(frameSetAround(this)) {
  resize(initialSize, initialSize);
  // The standard controls inside write in the control font, which sizes the fields.
  TMyFont font = controlFont();
  font.CodePage = box.codePage();
  setFont(qtFontFor(font, box.measures().pixelsPerInch()));
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  hide();
}

TMyyVisual::~TMyyVisual() = default;

void TMyyVisual::setZoom(const PageZoom& zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  TMyFont font = controlFont();
  font.CodePage = box_->codePage();
  const QFont zoomed = qtFontFor(font, box_->measures().pixelsPerInch() * zoom.percent() / 100);
  setFont(zoomed);
  // A control with a style sheet of its own takes no font from its parent.
  for (QWidget* inner : findChildren<QWidget*>())
    if (!inner->styleSheet().isEmpty()) inner->setFont(zoomed);
  update();
}

QRect TMyyVisual::bookRect() const {
  return zoom_.scaled() ? QRect(0, 0, sizing_->width(), sizing_->height()) : rect();
}

void TMyyVisual::setReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  if (RefreshOnModeChange(readOnly)) Refresh();
  update();
}

void TMyyVisual::setAnimated(bool animated) { animated_ = animated; }

void TMyyVisual::setSelected(bool selected) {
  if (selected == selected_) return;
  selected_ = selected;
  update();
}

void TMyyVisual::setHint(std::string hint) {
  hint_ = std::move(hint);
  // The long part shows in the window's status bar while the mouse is over the object.
  setHintTips(*this, fromBookText(hint_, box_->codePage()));
}

void TMyyVisual::SetObject(TZEBoggetto* object) {
  if (frameSet_ == nullptr) {
    box_->set().messages().information(messages::parentFrameSetMissing);
    return;
  }
  if (object == object_) return;
  object_ = object;
  Rebuild();
}

void TMyyVisual::FitWidth(int width) {
  // Without a width the object keeps the one layout offered it last: layout and control
  // agree on its size.
  if (width > 0) sizing_->fitWidth(width);
  resize(zoom_.toWindow(sizing_->width()), zoom_.toWindow(sizing_->height()));
}

void TMyyVisual::CopyObject() {
  const auto place = objectPlace(*box_, *sizing_);
  if (!place) return;
  box_->SelectRange(place->paragraph, place->character, place->paragraph, place->character + 1);
  box_->CopySelection();
  box_->invalidate({0, 0, box_->paintWidth(), box_->Height()});
}

QMenu* TMyyVisual::popupMenu() const {
  if (frameSet_ == nullptr) return nullptr;
  if (locked_ && !readOnly_) return frameSet_->Popup(FramePopup::PopupInactive);
  return frameSet_->Popup(popupKind());
}

void TMyyVisual::postFollowLink(TZEBoggetto* link) {
  if (frameSet_ != nullptr && link != nullptr)
    frameSet_->PostFollowLink(LinkSource{LinkSourceKind::textBox, box_}, link);
}

void TMyyVisual::openPopup(QPoint global) {
  QMenu* menu = popupMenu();
  if (menu == nullptr || frameSet_ == nullptr) return;
  frameSet_->SetCurrentControl(*this);
  menu->popup(global);
}

void TMyyVisual::paintSelectedLook(QPainter& painter) const {
  if (!selected_) return;
  painter.save();
  painter.resetTransform();
  zoomPainter(painter, zoom_);
  const QRect area = bookRect();
  WindowCanvas canvas(*this, painter, area, box_->measures().pixelsPerInch());
  drawSelectedLook(canvas, {0, 0, area.width(), area.height()});
  painter.restore();
}

void TMyyVisual::setLinkCursor(bool link) {
  setCursor(qtCursorShape(link ? MouseCursor::handPoint : MouseCursor::standard));
}

void TMyyVisual::mousePressEvent(QMouseEvent* event) {
  // The press only marks the point: no focus, no dragging in the reader.
  lastMousePosition_ = event->position().toPoint();
  event->accept();
}

void TMyyVisual::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (doubleClickGuard_) {
    doubleClickGuard_ = false;
    return;
  }
  if (event->button() == Qt::RightButton) {
    openPopup(event->globalPosition().toPoint());
    return;
  }
  if (readOnly_ || locked_) ClickAction();
}

void TMyyVisual::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  if (propertiesOnDoubleClick() && frameSet_ != nullptr) frameSet_->Properties(this);
  DblClickAction();
  doubleClickGuard_ = true;
}

void TMyyVisual::mouseMoveEvent(QMouseEvent* event) { lastMousePosition_ = event->position().toPoint(); }

void TMyyVisual::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  lastMousePosition_ = QPoint(-1, -1);
}

}  // namespace zeb
