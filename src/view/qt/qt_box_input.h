// Qt input as the text box takes it, and the Qt cursors of the box's mouse cursors.
#pragma once

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

#include "text/box_input.h"

namespace zeb {

// The press or release with the button that changed; a move with the button held (left
// before right), or none.
MouseEvent boxMouseEvent(const QMouseEvent& event, bool doubleClick = false);
MouseEvent boxMoveEvent(const QMouseEvent& event);
KeyEvent boxKeyEvent(const QKeyEvent& event);

// "HANDPNT", "HANDPNT2" and "EDITHAND" are pointing hands, "DEFMANO", "DEFMANOZ" and "GRABBR"
// open hands, "FIST" a closed hand, "ZOOM" a cross, "ANCORA" the arrow.
Qt::CursorShape qtCursorShape(MouseCursor cursor);

}  // namespace zeb
