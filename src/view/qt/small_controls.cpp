// The inner panel and the outlined label.
#include "view/qt/small_controls.h"

#include <QMouseEvent>
#include <QPainter>

namespace zeb {

TNoBgPaintPanel::TNoBgPaintPanel(QWidget* parent) : QWidget(parent), colour_(palette().color(QPalette::Button)) {
  setTransparent(true);
}

void TNoBgPaintPanel::setMargin(int margin) {
  margin_ = std::max(0, margin);
  setContentsMargins(margin_, margin_, margin_, margin_);
  setTransparent(margin_ == 0);
  update();
}

void TNoBgPaintPanel::setTransparent(bool transparent) {
  transparent_ = transparent;
  // Qt draws a widget's background only when asked to; a transparent panel asks for none
  // and lets its parent show through.
  setAttribute(Qt::WA_NoSystemBackground, transparent);
  setAutoFillBackground(false);
  update();
}

void TNoBgPaintPanel::setColor(const QColor& colour) {
  colour_ = colour;
  update();
}

void TNoBgPaintPanel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TNoBgPaintPanel::paintEvent(QPaintEvent*) {
  if (!transparent_) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!caption_.isEmpty()) painter.drawText(rect(), Qt::AlignCenter, caption_);
  }
  emit OnPaint();
}

void TNoBgPaintPanel::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) emit OnMyClick();
}

TOutlLabel::TOutlLabel(QWidget* parent) : QLabel(parent) {}

void TOutlLabel::setColourShadow(const QColor& colour) {
  shadow_ = colour;
  update();
}

void TOutlLabel::setTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

void TOutlLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_) painter.fillRect(rect(), palette().color(backgroundRole()));
  const QRect area = contentsRect();
  painter.setFont(font());
  painter.setPen(shadow_);
  for (int dx = 0; dx <= 2; ++dx)
    for (int dy = 0; dy <= 2; ++dy) painter.drawText(area.translated(dx, dy), static_cast<int>(alignment()), text());
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(area.translated(1, 1), static_cast<int>(alignment()), text());
}

}  // namespace zeb
