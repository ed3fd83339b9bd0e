// A hint as a control of the page shows it: "short|long", the short part as its tooltip and
// the long part (the whole hint when it has no bar) in the window's status bar.
#pragma once

#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QString>
#include <QWidget>


namespace zeb {

// Sets the control's tooltip and status tip from the hint.
inline void setHintTips(QWidget& control, const QString& text) {
  const QLatin1Char bar('|');
  control.setToolTip(text.section(bar, 0, 0));
  control.setStatusTip(text.contains(bar) ? text.section(bar, 1) : text);
}

// Tells the window's status bar the control's status tip now, as the mouse entering it would:
// for a hint that changes while the mouse is already over the control.
inline void showStatusTip(QWidget& control) {
  QStatusTipEvent tip(control.statusTip());
  QCoreApplication::sendEvent(&control, &tip);
}

}  // namespace zeb
