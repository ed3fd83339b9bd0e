// The zoom on the screen: the zoom a window inside a frame set shows its page at, and the
// painter of a window set to draw book pixels at that zoom (at the device's resolution, so
// that text stays sharp and pictures are scaled smoothly).
#pragma once

#include <QPoint>
#include <QRect>

#include "view/page_zoom.h"

class QPainter;
class QWidget;

namespace zeb {

// The zoom of the nearest frame set around the widget (itself included) that zooms; 100 %
// when none does.
PageZoom zoomOf(const QWidget& widget);

// Scales the painter from book pixels to the window's; pictures are then scaled smoothly.
void zoomPainter(QPainter& painter, const PageZoom& zoom);

QRect toWindowRect(const PageZoom& zoom, const QRect& book);
QRect toBookRect(const PageZoom& zoom, const QRect& window);
// A point of the window in book pixels, rounded down.
QPoint toBookPoint(const PageZoom& zoom, QPoint window);
QPoint toWindowPoint(const PageZoom& zoom, QPoint book);

}  // namespace zeb
