// The settings and painting frame sets and frames share.
#include "view/qt/frame_panel.h"

#include <QPainter>

namespace zeb {

TZEBFramePanel::TZEBFramePanel(QWidget* parent) : QWidget(parent) {}

void TZEBFramePanel::setBarWidth(int width) {
  barWidth_ = width;
  passSettingsDown();
}

void TZEBFramePanel::setReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  passSettingsDown();
}

void TZEBFramePanel::setAnimated(bool animated) {
  animated_ = animated;
  passSettingsDown();
}

void TZEBFramePanel::setShowFramesOnly(bool framesOnly) {
  showFramesOnly_ = framesOnly;
  passSettingsDown();
}

void TZEBFramePanel::setFrameMargin(bool margin) { frameMargin_ = margin; }

void TZEBFramePanel::setLineStep(int step) {
  if (step <= 0) return;
  lineStep_ = step;
  passSettingsDown();
  update();
}

void TZEBFramePanel::setTigerBevel(Bevel bevel) {
  tigerBevel_ = bevel;
  passSettingsDown();
}

void TZEBFramePanel::inheritSettings(const TZEBFramePanel& from) {
  barWidth_ = from.barWidth_;
  lineStep_ = from.lineStep_;
  tigerBevel_ = from.tigerBevel_;
  readOnly_ = from.readOnly_;
  animated_ = from.animated_;
  showFramesOnly_ = from.showFramesOnly_;
  frameMargin_ = from.frameMargin_;
}

void TZEBFramePanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace zeb
