// Accessible names from shown texts, labels and hints.
#include "shell/qt/accessible_names.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QGroupBox>
#include <QHash>
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
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) return withoutMnemonics(group->title());
  if (widget.isWindow() || qobject_cast<const QDockWidget*>(&widget) != nullptr ||
      qobject_cast<const QToolBar*>(&widget) != nullptr)
    return widget.windowTitle();
  return {};
}

}  // namespace

void publishAccessibleNames(QWidget& window) {
  const QList<QWidget*> widgets = window.findChildren<QWidget*>();
  QHash<const QWidget*, QString> labelled;
  for (const QWidget* widget : widgets)
    if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && label->buddy() != nullptr)
      labelled.insert(label->buddy(), withoutMnemonics(label->text()));

  for (QWidget* widget : widgets) {
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))) continue;
    if (qobject_cast<QMenu*>(widget) != nullptr || qobject_cast<QLabel*>(widget) != nullptr) continue;
    if (!widget->accessibleName().isEmpty()) continue;
    QString name = shownText(*widget);
    if (name.isEmpty()) name = labelled.value(widget);
    if (name.isEmpty()) name = widget->toolTip();
    if (name.isEmpty()) name = widget->objectName();
    widget->setAccessibleName(name);
  }
}

}  // namespace zeb
