// Accessible names from shown texts and hints.
#include "shell/qt/accessible_names.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

namespace zeb {
namespace {

// "&Open" is read "Open"; "&&" stands for an ampersand.
QString withoutMnemonics(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

QString shownText(const QWidget& widget) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return withoutMnemonics(button->text());
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (widget.isWindow() || qobject_cast<const QDockWidget*>(&widget) != nullptr ||
      qobject_cast<const QToolBar*>(&widget) != nullptr)
    return widget.windowTitle();
  return {};
}

}  // namespace

void publishAccessibleNames(QWidget& window) {
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))) continue;
    if (qobject_cast<QMenu*>(widget) != nullptr || !widget->accessibleName().isEmpty()) continue;
    QString name = shownText(*widget);
    if (name.isEmpty()) name = widget->toolTip();
    if (name.isEmpty()) name = widget->objectName();
    widget->setAccessibleName(name);
  }
}

}  // namespace zeb
