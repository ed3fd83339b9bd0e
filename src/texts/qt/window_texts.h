// A Qt window as a translator sees it: the window and the objects it owns, by objectName,
// with their texts mapped to Qt (caption to the window title, text or title; hint to the
// tooltip and status tip; items, lines and strings to item lists).
#pragma once

#include <QHash>
#include <QWidget>

#include "texts/english_tables.h"
#include "texts/languager.h"

class QObject;

namespace zeb {

// Components are the window, then its descendants in child order, without descending into
// windows of their own (dialogs and main windows other than file dialogs); objects without
// a name, or with one of Qt's own ("qt_" ...), are never translated.
//   caption: window title (windows, docks, toolbars), text (buttons, labels, menu items),
//            title (group boxes, menus), tab text (the pages of tab widgets);
//   hint:    "short|long": the tooltip gets the short part, the status tip the long one;
//   text:    line edits and editable combo boxes;
//   items, strings: the entries of list widgets and combo boxes, one per line;
//   lines:   the lines of text edits;
//   tabs:    the tab texts of tab widgets; columns: the header labels of tree and table
//            widgets; filter and title: file dialogs.
// Menus and menu bars hold their items as components: their items keep their value.
class QtWindowTexts final : public TranslatableWindow {
 public:
  explicit QtWindowTexts(QWidget& window) : window_(window) {}

  std::vector<TextComponent> textComponents() const override;
  void setText(std::string_view component, std::string_view property, std::string_view text) override;

 private:
  QObject* find(std::string_view name) const;

  QWidget& window_;
  // The window's objects by name, the first that a search of the window finds; made when
  // the first text is set.
  mutable QHash<QString, QObject*> named_;
};

// Gives a window the texts of its built-in table: the first step when a window is created.
void applyEnglishTable(QWidget& window, WindowTable table);

}  // namespace zeb
