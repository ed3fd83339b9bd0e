// Pictures on a page and their hot zones.
#include "view/qt/image_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "document/container.h"
#include "document/image_cache.h"
#include "document/picture.h"
#include "platform/event_queue.h"
#include "platform/qt/book_text.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_picture_memo.h"
#include "platform/windows1252.h"
#include "text/embedded_object.h"
#include "text/measurement_cache.h"
#include "text/nested_boxes.h"
#include "text/object_placement.h"
#include "text/text_box.h"
#include "view/animation_player.h"
#include "view/qt/hint_tips.h"
#include "view/qt/night_painting.h"
#include "view/qt/qt_box_input.h"
#include "view/qt/zoom_painting.h"
#include "view/visual_kinds.h"

namespace zeb {

TMyyZona::TMyyZona(TMyyImage& image, const HotZone& zone, TZEBoggetto* link)
    : QWidget(&image), image_(image), zone_(zone), link_(link) {
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
  setMouseTracking(true);
  setCursor(qtCursorShape(MouseCursor::handPoint));
  // The picture places it at its zoom (TMyyImage::placeZones).
  setGeometry(zone.bounds.empty() ? QRect() : toQRect(zone.bounds));
  takeHint();
  // The link's description may change before the mouse comes: taken again then.
  hintTaken_ = false;
  show();
}

void TMyyZona::takeHint() {
  hint_ = link_ != nullptr ? descriptionOf(*link_) : std::string();
  setHintTips(*this, fromBookText(hint_, image_.box().codePage()));
  // Taken while the mouse is already over the zone: the status bar learns it now.
  if (underMouse()) showStatusTip(*this);
  hintTaken_ = true;
}

void TMyyZona::follow() { image_.followZone(link_); }

void TMyyZona::mouseMoveEvent(QMouseEvent* event) {
  if (!hintTaken_) takeHint();
  event->ignore();
}

void TMyyZona::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (doubleClickGuard_) {
    doubleClickGuard_ = false;
    return;
  }
  // In the reader a right click opens no menu.
  if (event->button() == Qt::RightButton) return;
  if (image_.ReadOnly() || image_.Locked()) follow();
}

void TMyyZona::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  follow();
  doubleClickGuard_ = true;
}

TMyyImage::TMyyImage(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyVisual(sizing, box, page, parent) {}

TMyyImage::~TMyyImage() { stopAnimation(); }

void TMyyImage::freeZones() {
  for (TMyyZona* zone : zones_) delete zone;
  zones_.clear();
}

void TMyyImage::Rebuild() {
  freeZones();
  Refresh();
  if (Object() == nullptr) return;
  for (const HotZone& zone : zonesOf(*Object(), sizing().width(), sizing().height()))
    zones_.push_back(new TMyyZona(*this, zone, zoneLink(*Object(), zone)));
  placeZones();
  arrangeAnimation();
}

void TMyyImage::placeZones() {
  for (TMyyZona* zone : zones_) zone->setGeometry(toWindowRect(Zoom(), toQRect(zone->zone().bounds)));
}

void TMyyImage::resizeEvent(QResizeEvent* event) {
  TMyyVisual::resizeEvent(event);
  placeZones();
}

void TMyyImage::updateLink() {
  link_ = objectLink(box(), sizing());
  setCursor(qtCursorShape(imageCursor(link_ != nullptr, ReadOnly() || Locked())));
  if (Object() == nullptr) return;
  setHint(imageHint(link_ != nullptr ? descriptionOf(*link_) : std::string(), Object()->Name(),
                    Object()->attribute(controlAttribute::description), ReadOnly()));
}

void TMyyImage::Refresh() {
  updateLink();
  FitWidth(0);
  update();
}

void TMyyImage::followZone(TZEBoggetto* link) { postFollowLink(link); }

void TMyyImage::ClickAction() {
  updateLink();
  postFollowLink(link_);
}

void TMyyImage::DblClickAction() { ClickAction(); }

void TMyyImage::CopyObject() {
  stopAnimation();
  TMyyVisual::CopyObject();
}

void TMyyImage::setAnimated(bool animated) {
  TMyyVisual::setAnimated(animated);
  arrangeAnimation();
}

void TMyyImage::setSelected(bool selected) {
  TMyyVisual::setSelected(selected);
  for (TMyyZona* zone : zones_) zone->update();
}

void TMyyImage::stopAnimation() {
  player_.reset();
  frames_.reset();
}

void TMyyImage::arrangeAnimation() {
  TZEBoggetto* shown = Object() != nullptr ? pictureToDraw(*Object(), hovering_) : nullptr;
  TZEBset& set = box().set();
  const TZEBpicture* picture = shown != nullptr ? set.decodedPicture(*shown) : nullptr;
  const bool wanted =
      picture != nullptr && Animated() && ReadOnly() && !isHidden() && animates(picture->frames().size(), ReadOnly());
  if (!wanted) {
    if (player_) {
      stopAnimation();
      update();
    }
    return;
  }
  if (player_) return;
  frames_ = std::make_unique<DecodedPicture>(picture->decoded());
  player_ = std::make_unique<AnimationPlayer>(*frames_, *set.services().events);
  player_->start([this] { update(); });
}

void TMyyImage::paintEvent(QPaintEvent*) {
  if (isHidden() || parentWidget() == nullptr || Object() == nullptr) return;
  QPainter painter(this);
  const QRect area = rect();
  QImage image;
  if (player_) {
    image = wrappedImage(player_->pixels());
  } else if (TZEBoggetto* shown = pictureToDraw(*Object(), hovering_)) {
    TZEBset& set = box().set();
    const TZEBpicture* picture = set.decodedPicture(*shown);
    image = picture != nullptr ? wrappedImage(firstImagePixels(*picture)) : QImage();
    if (image.isNull() && picture != nullptr && !picture->empty()) {
      // Out of memory for the pixels: the cached pictures go, and this one is decoded again.
      set.imageCache().clear();
      picture = set.decodedPicture(*shown);
      image = picture != nullptr ? wrappedImage(firstImagePixels(*picture)) : QImage();
    }
  }
  // Dimmed at night when the reader asks for it; the pixels outlive the drawing.
  std::vector<std::uint8_t> dimmed;
  if (!image.isNull() && nightPaintingOf(*this).dimPictures) {
    dimmed = dimmedPixels({image.width(), image.height(), image.constBits()});
    image = wrappedImage({image.width(), image.height(), dimmed.data()});
  }
  if (!image.isNull()) {
    // Scaled by the zoom or the screen's pixel ratio, a picture is smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, image);
  }
  paintSelectedLook(painter);
}

void TMyyImage::enterEvent(QEnterEvent* event) {
  TMyyVisual::enterEvent(event);
  if (Selected() || Object() == nullptr) return;
  if (pictureToDraw(*Object(), true) == pictureToDraw(*Object(), false)) return;
  hovering_ = true;
  stopAnimation();
  arrangeAnimation();
  update();
}

void TMyyImage::leaveEvent(QEvent* event) {
  TMyyVisual::leaveEvent(event);
  if (!hovering_) return;
  hovering_ = false;
  stopAnimation();
  arrangeAnimation();
  update();
}

void TMyyImage::hideEvent(QHideEvent* event) {
  TMyyVisual::hideEvent(event);
  arrangeAnimation();
}

void TMyyImage::showEvent(QShowEvent* event) {
  TMyyVisual::showEvent(event);
  arrangeAnimation();
}

}  // namespace zeb
