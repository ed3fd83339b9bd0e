// The zoom of the windows of the pages.
#include "view/qt/zoom_painting.h"

#include <QPainter>
#include <QWidget>

#include "platform/qt/qt_canvas.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

CanvasRect canvasRectOf(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

PageZoom zoomOf(const QWidget& widget) {
  for (const QWidget* shown = &widget; shown != nullptr; shown = shown->parentWidget()) {
    const auto* frames = qobject_cast<const TZEBCustomFrameSet*>(shown);
    if (frames != nullptr && frames->zoom().scaled()) return frames->zoom();
  }
  return {};
}

void zoomPainter(QPainter& painter, const PageZoom& zoom) {
  if (!zoom.scaled()) return;
  painter.scale(zoom.factor(), zoom.factor());
}

QRect toWindowRect(const PageZoom& zoom, const QRect& book) {
  return zoom.scaled() ? toQRect(zoom.toWindow(canvasRectOf(book))) : book;
}

QRect toBookRect(const PageZoom& zoom, const QRect& window) {
  return zoom.scaled() ? toQRect(zoom.toBook(canvasRectOf(window))) : window;
}

QPoint toBookPoint(const PageZoom& zoom, QPoint window) {
  if (!zoom.scaled()) return window;
  const CanvasRect book = zoom.toBook(CanvasRect{window.x(), window.y(), window.x(), window.y()});
  return {book.left, book.top};
}

QPoint toWindowPoint(const PageZoom& zoom, QPoint book) { return {zoom.toWindow(book.x()), zoom.toWindow(book.y())}; }

}  // namespace zeb
