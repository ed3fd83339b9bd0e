// Where a control is aligned in its parent (none, a side, or the whole client area), kept
// on the widget so that a splitter can learn how its target sits.
#pragma once

class QWidget;

namespace zeb {

enum class ControlAlign { none, top, bottom, left, right, client };

void setControlAlign(QWidget& widget, ControlAlign align);
// None for a widget that was never given an alignment.
ControlAlign controlAlignOf(const QWidget& widget);

}  // namespace zeb
