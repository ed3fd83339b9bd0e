// The splitters' targets, drags and painting.
#include "view/qt/splitters.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include "view/messages.h"
#include "view/splitter_geometry.h"

namespace zeb {

SplitterBase::SplitterBase(QWidget* parent, QSize initialSize, std::string_view refusal)
    : QWidget(parent), refusal_(refusal) {
  resize(initialSize);
  setFocusPolicy(Qt::NoFocus);
  updateCursor();
}

SplitterBase::~SplitterBase() { disconnect(targetDestroyed_); }

std::optional<std::string_view> SplitterBase::setTargetControl(QWidget* target) {
  stopDragging();
  disconnect(targetDestroyed_);
  target_ = nullptr;
  if (target == nullptr || target == this) {
    detach();
    return std::nullopt;
  }
  const ControlAlign align = controlAlignOf(*target);
  if (align == ControlAlign::none || align == ControlAlign::client) {
    detach();
    return refusal_;
  }
  target_ = target;
  align_ = align;
  targetDestroyed_ = connect(target, &QObject::destroyed, this, [this] {
    stopDragging();
    target_ = nullptr;
    detach();
  });
  updateCursor();
  followTarget();
  return std::nullopt;
}

void SplitterBase::detach() {
  align_ = ControlAlign::none;
  updateCursor();
}

void SplitterBase::setSizeable(bool sizeable) {
  sizeable_ = sizeable;
  updateCursor();
}

void SplitterBase::setColor(const QColor& colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colour);
  setPalette(colours);
  setAutoFillBackground(true);
}

void SplitterBase::updateCursor() {
  if (!sizeable_ || align_ == ControlAlign::none)
    setCursor(Qt::ArrowCursor);
  else
    setCursor(movesSideways() ? Qt::SplitHCursor : Qt::SplitVCursor);
}

void SplitterBase::mousePressEvent(QMouseEvent* event) {
  const bool onlyLeft =
      event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
  if (!onlyLeft || !sizeable_ || target_ == nullptr || parentWidget() == nullptr || align_ == ControlAlign::none) {
    QWidget::mousePressEvent(event);
    return;
  }
  emit OnBeginSplit();
  if (target_ == nullptr) return;  // the handler may have let the target go
  dragging_ = true;                // the press captures the mouse until the release
  startEdge_ = movesSideways() ? x() : y();
  pressOffset_ = along(event->position().toPoint());
  linePosition_ = startEdge_;
  newSize_ = movesSideways() ? target_->width() : target_->height();
  showLine();
}

void SplitterBase::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || target_ == nullptr) return;
  emit OnMoveSplit();
  if (!dragging_ || target_ == nullptr) return;
  const int previous = linePosition_;
  linePosition_ = along(mapToParent(event->position().toPoint())) - pressOffset_;
  SplitterDrag drag;
  drag.targetSize = movesSideways() ? target_->width() : target_->height();
  drag.movement = linePosition_ - startEdge_;
  drag.targetBefore = align_ == ControlAlign::left || align_ == ControlAlign::top;
  drag.parentExtent = movesSideways() ? parentWidget()->width() : parentWidget()->height();
  drag.minTargetLimit = minTargetLimit_;
  drag.maxTargetLimit = maxTargetLimit_;
  const SplitterDragSize size = draggedTargetSize(drag);
  if (size.limited) linePosition_ = previous;
  newSize_ = size.size;
  showLine();
}

void SplitterBase::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return;
  emit OnEndingSplit();
  const bool stillTargeted = dragging_ && target_ != nullptr;
  stopDragging();
  if (stillTargeted) {
    if (movesSideways())
      target_->resize(newSize_, target_->height());
    else
      target_->resize(target_->width(), newSize_);
    followTarget();
  }
  linePosition_ = 0;
  emit OnEndSplit();
}

void SplitterBase::showLine() {
  if (parentWidget() == nullptr) return;
  if (line_ == nullptr) line_ = new QRubberBand(QRubberBand::Line, parentWidget());
  if (movesSideways())
    line_->setGeometry(linePosition_, y() - 10, width(), height() + 10);
  else
    line_->setGeometry(x(), linePosition_, width(), height());
  line_->show();
  line_->raise();
}

void SplitterBase::stopDragging() {
  if (line_ != nullptr) line_->hide();
  if (!dragging_) return;
  dragging_ = false;
}

TWVoSplit::TWVoSplit(QWidget* parent) : SplitterBase(parent, QSize(3, 100), messages::targetAlignMustDiffer) {}

TZEBSplit::TZEBSplit(QWidget* parent) : SplitterBase(parent, QSize(3, 3), messages::targetAlignMustBeSide) {}

void TZEBSplit::followTarget() {
  const QWidget* target = TargetControl();
  if (target == nullptr) return;
  if (movesSideways())
    move(target->x() + target->width(), y());
  else
    move(x(), target->y() + target->height());
}

TTigerSplit::TTigerSplit(QWidget* parent) : TWVoSplit(parent) {}

void TTigerSplit::setTiger(bool tiger) {
  if (tiger == tiger_) return;
  tiger_ = tiger;
  update();
}

void TTigerSplit::setTigerBevel(Bevel bevel) {
  if (bevel == bevel_) return;
  bevel_ = bevel;
  update();
}

void TTigerSplit::setLineStep(int step) {
  if (step <= 0 || step == lineStep_) return;
  lineStep_ = step;
  update();
}

void TTigerSplit::setTrucco(int offset) {
  if (offset == trucco_) return;
  trucco_ = offset;
  update();
}

void TTigerSplit::paintEvent(QPaintEvent*) {
  if (!tiger_) return;
  StripeRequest request;
  request.width = width();
  request.height = height();
  request.movesVertically = Align() == ControlAlign::none ? width() >= height() : !movesSideways();
  request.lineStep = lineStep_;
  request.offset = trucco_;
  request.raisedBevel = bevel_ == Bevel::raised;
  QPainter painter(this);
  const QColor light = palette().color(QPalette::Light);
  const QColor dark = palette().color(QPalette::Dark);
  for (const StripeLine& line : tigerStripes(request)) {
    painter.setPen(line.highlight ? light : dark);
    painter.drawLine(line.x1, line.y1, line.x2, line.y2);
  }
}

}  // namespace zeb
