// Collecting a Qt window's text properties and setting them from a table.
#include "texts/qt/window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>

#include "platform/qt/book_text.h"

namespace zeb {
namespace {

QStringList linesOf(std::string_view text) { return fromBookText(text).split(QStringLiteral("\r\n")); }

bool isOwnWindow(const QObject* object) {
  return (qobject_cast<const QDialog*>(object) != nullptr && qobject_cast<const QFileDialog*>(object) == nullptr) ||
         qobject_cast<const QMainWindow*>(object) != nullptr;
}

TextComponent componentOf(const QObject& object, bool isWindow) {
  TextComponent component;
  component.name = toBookText(object.objectName());
  auto& properties = component.properties;
  if (isWindow) {
    component.role = ComponentRole::window;
    properties = {"caption", "hint"};
  } else if (qobject_cast<const QAction*>(&object) != nullptr) {
    component.role = ComponentRole::menuItem;
    properties = {"caption", "hint"};
  } else if (qobject_cast<const QMenu*>(&object) != nullptr) {
    properties = {"caption", "hint", "items"};
  } else if (qobject_cast<const QMenuBar*>(&object) != nullptr) {
    properties = {"items"};
  } else if (qobject_cast<const QFileDialog*>(&object) != nullptr) {
    properties = {"filter", "title"};
  } else if (qobject_cast<const QComboBox*>(&object) != nullptr) {
    properties = {"text", "hint", "items", "strings"};
  } else if (qobject_cast<const QListWidget*>(&object) != nullptr) {
    properties = {"hint", "items", "strings"};
  } else if (qobject_cast<const QLineEdit*>(&object) != nullptr) {
    properties = {"text", "hint"};
  } else if (qobject_cast<const QPlainTextEdit*>(&object) != nullptr ||
             qobject_cast<const QTextEdit*>(&object) != nullptr) {
    properties = {"hint", "lines"};
  } else if (qobject_cast<const QTabWidget*>(&object) != nullptr) {
    properties = {"hint", "tabs"};
  } else if (qobject_cast<const QTreeWidget*>(&object) != nullptr ||
             qobject_cast<const QTableWidget*>(&object) != nullptr) {
    properties = {"hint", "columns"};
  } else if (object.isWidgetType()) {
    properties = {"caption", "hint"};
  }
  return component;
}

void collect(const QObject& object, std::vector<TextComponent>& components) {
  for (const QObject* child : object.children()) {
    if (isOwnWindow(child)) continue;
    if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
      components.push_back(componentOf(*child, false));
    if (qobject_cast<const QFileDialog*>(child) == nullptr) collect(*child, components);
  }
}

void setHint(QObject& object, const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  const QString shortHint = bar < 0 ? hint : hint.left(bar);
  const QString longHint = bar < 0 ? hint : hint.mid(bar + 1);
  if (auto* action = qobject_cast<QAction*>(&object)) {
    action->setToolTip(shortHint);
    action->setStatusTip(longHint);
  } else if (auto* widget = qobject_cast<QWidget*>(&object)) {
    widget->setToolTip(shortHint);
    widget->setStatusTip(longHint);
  }
}

void setCaption(QObject& object, const QString& caption, bool isWindow) {
  if (isWindow || qobject_cast<QDockWidget*>(&object) || qobject_cast<QToolBar*>(&object)) {
    if (auto* widget = qobject_cast<QWidget*>(&object)) widget->setWindowTitle(caption);
  } else if (auto* action = qobject_cast<QAction*>(&object)) {
    action->setText(caption);
  } else if (auto* menu = qobject_cast<QMenu*>(&object)) {
    menu->setTitle(caption);
  } else if (auto* group = qobject_cast<QGroupBox*>(&object)) {
    group->setTitle(caption);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
    button->setText(caption);
  } else if (auto* label = qobject_cast<QLabel*>(&object)) {
    label->setText(caption);
  } else if (auto* page = qobject_cast<QWidget*>(&object)) {
    // A page of a tab widget: its caption is its tab's text.
    QWidget* stack = page->parentWidget();
    if (auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr) {
      if (const int tab = tabs->indexOf(page); tab >= 0) tabs->setTabText(tab, caption);
    }
  }
}

void setItems(QObject& object, const QStringList& items) {
  if (auto* combo = qobject_cast<QComboBox*>(&object)) {
    const int current = combo->currentIndex();
    combo->clear();
    combo->addItems(items);
    if (current < combo->count()) combo->setCurrentIndex(current);
  } else if (auto* list = qobject_cast<QListWidget*>(&object)) {
    list->clear();
    list->addItems(items);
  }
}

// "Text files|*.txt;*.text|All|*.*" becomes "Text files (*.txt *.text)" and "All (*.*)".
QStringList nameFiltersOf(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                   QStringLiteral(")");
  return filters;
}

}  // namespace

std::vector<TextComponent> QtWindowTexts::textComponents() const {
  std::vector<TextComponent> components{componentOf(window_, true)};
  collect(window_, components);
  return components;
}

namespace {

// In the order QObject::findChild searches: the direct children first, then each child's own.
void indexNames(const QObject& parent, QHash<QString, QObject*>& named) {
  for (QObject* child : parent.children())
    if (!child->objectName().isEmpty() && !named.contains(child->objectName()))
      named.insert(child->objectName(), child);
  for (const QObject* child : parent.children()) indexNames(*child, named);
}

}  // namespace

QObject* QtWindowTexts::find(std::string_view name) const {
  const QString wanted = fromBookText(name);
  if (window_.objectName() == wanted) return &window_;
  if (named_.isEmpty()) indexNames(window_, named_);
  return named_.value(wanted, nullptr);
}

void QtWindowTexts::setText(std::string_view component, std::string_view property, std::string_view text) {
  QObject* object = find(component);
  if (object == nullptr) return;
  const QString value = fromBookText(text);
  if (property == "caption")
    setCaption(*object, value, object == &window_);
  else if (property == "hint")
    setHint(*object, value);
  else if (property == "items" || property == "strings")
    setItems(*object, linesOf(text));
  else if (property == "text") {
    if (auto* edit = qobject_cast<QLineEdit*>(object))
      edit->setText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(object); combo != nullptr && combo->isEditable())
      combo->setEditText(value);
  } else if (property == "lines") {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
      plain->setPlainText(linesOf(text).join(QLatin1Char('\n')));
    else if (auto* rich = qobject_cast<QTextEdit*>(object))
      rich->setPlainText(linesOf(text).join(QLatin1Char('\n')));
  } else if (property == "tabs") {
    if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
      const QStringList names = linesOf(text);
      for (int i = 0; i < tabs->count() && i < names.size(); ++i) tabs->setTabText(i, names[i]);
    }
  } else if (property == "columns") {
    if (auto* tree = qobject_cast<QTreeWidget*>(object))
      tree->setHeaderLabels(linesOf(text));
    else if (auto* table = qobject_cast<QTableWidget*>(object))
      table->setHorizontalHeaderLabels(linesOf(text));
  } else if (property == "filter") {
    if (auto* dialog = qobject_cast<QFileDialog*>(object)) dialog->setNameFilters(nameFiltersOf(value));
  } else if (property == "title") {
    if (auto* dialog = qobject_cast<QFileDialog*>(object)) dialog->setWindowTitle(value);
  }
}

void applyEnglishTable(QWidget& window, WindowTable table) {
  QtWindowTexts texts(window);
  TVoLanguager languager(texts);
  languager.setLocalizationString(englishTable(table));
}

}  // namespace zeb
