// Night colours on the screen: the night setting a window inside a frame set paints with,
// the canvas the windows of a page paint through, and the dark palette of the controls.
#pragma once

#include <QPalette>

#include "platform/qt/qt_canvas.h"
#include "view/night_canvas.h"

class QWidget;

namespace zeb {

// The night setting of the nearest frame set around the widget (itself included) that reads
// at night; off when none does.
NightView nightViewOf(const QWidget& widget);
// How the widget paints: by the night setting around it, for the page of the nearest page
// window around it (nothing changes for a widget outside one).
NightPainting nightPaintingOf(const QWidget& widget);

// Whether a palette is dark already: its window colour is darker than the middle.
bool isDarkPalette(const QPalette& palette);
// The palette of the controls at night: each colour in its night colour (night_colours.h),
// the light and dark shades of the buttons made again from the night button colour so that
// raised things still look raised. A dark palette is returned as it is.
QPalette nightPaletteOf(const QPalette& day);

// The Qt canvas a window canvas holds, made before the night canvas over it.
struct QtCanvasMember {
  QtCanvas qtCanvas;
};

// What a window of a page paints through: the Qt canvas (the arguments are QtCanvas's, the
// palette the widget's), in night colours where the widget's night painting says so.
class WindowCanvas final : private QtCanvasMember, public NightCanvas {
 public:
  WindowCanvas(const QWidget& widget, QPainter& painter, const QRect& area, int pixelsPerInch);
};

}  // namespace zeb
