// Rendering a text box into an image.
#include "view/qt/box_rendering.h"

#include <QPainter>

#include "platform/qt/qt_canvas.h"
#include "text/box_painting.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"

namespace zeb {

void renderBox(TZEBbox& box, QImage& image, const QRect& area, ObjectPlacement* placement) {
  QPainter painter(&image);
  painter.translate(-area.left(), -area.top());
  QtCanvas canvas(painter, area, box.measures().pixelsPerInch());
  paintBox(box, canvas, placement);
}

QImage renderBox(TZEBbox& box, const QRect& area, ObjectPlacement* placement) {
  QImage image(area.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  renderBox(box, image, area, placement);
  return image;
}

}  // namespace zeb
