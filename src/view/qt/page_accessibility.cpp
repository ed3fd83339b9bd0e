// The accessible interfaces of a page: its text, links, tables, pictures and hot zones.
#include "view/qt/page_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "document/book_object.h"
#include "document/describe_object.h"
#include "document/page_object.h"
#include "export/reading_text.h"
#include "platform/qt/book_text.h"
#include "platform/system_colours.h"
#include "text/effective_font.h"
#include "text/hit_test.h"
#include "text/nested_boxes.h"
#include "text/paragraph.h"
#include "text/sentences.h"
#include "text/table_cells.h"
#include "text/text_box.h"
#include "view/qt/image_control.h"
#include "view/qt/text_box_widget.h"

namespace zeb {
namespace {

// Each byte of a single-byte code page is one character of the accessible text, so that its
// offsets are the reading text's.
QString unicodeText(const ReadingText& text, int start, int end) {
  static std::uint16_t tableCodePage = 0;
  static std::array<QChar, 256> table;
  const std::uint16_t codePage = text.box().codePage();
  if (codePage != tableCodePage) {
    for (int byte = 0; byte < 256; ++byte) {
      const QString one = fromBookText(std::string(1, static_cast<char>(byte)), codePage);
      table[static_cast<std::size_t>(byte)] = one.size() == 1 ? one.front() : QChar(QChar::ReplacementCharacter);
    }
    tableCodePage = codePage;
  }
  start = std::clamp(start, 0, text.length());
  end = std::clamp(end, start, text.length());
  QString result(end - start, Qt::Uninitialized);
  for (int i = start; i < end; ++i)
    result[i - start] = table[static_cast<std::uint8_t>(text.text()[static_cast<std::size_t>(i)])];
  return result;
}

// An area of a box inside the window's box (its own or a cell's) on the screen.
QRect screenRect(const TextBoxWidget& window, const TZEBbox& box, const CanvasRect& area) {
  const BoxOffset offset = &box == &window.box() ? BoxOffset{} : offsetInOutermostBox(box);
  const QRect local = window.toWidget(area.translated(offset.x, offset.y));
  return QRect(window.mapToGlobal(local.topLeft()), local.size());
}

// "short|long": the long part, or the whole when there is no bar.
QString longPart(const QString& hint) {
  const QLatin1Char bar('|');
  return hint.contains(bar) ? hint.section(bar, 1) : hint;
}

QString hintOf(const TZEBbox& box, const TZEBoggetto& object) {
  return fromBookText(describeObject(box.set(), object), box.codePage());
}

TZEBoggetto* linkObjectOf(const ReadingLink& link) {
  const TZEBbox& box = *link.place.box;
  if (link.place.paragraph >= box.paragraphCount()) return nullptr;
  return box.linkObject(link.code, box.paragraph(link.place.paragraph));
}

// --- The text of a box, for the page and for each table cell.
class ReadingTextInterface : public QAccessibleTextInterface {
 public:
  virtual const ReadingText& reading() const = 0;
  virtual TextBoxWidget* textWindow() const = 0;

  void selection(int index, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    const auto range = selected();
    if (index == 0 && range) std::tie(*startOffset, *endOffset) = *range;
  }
  int selectionCount() const override { return selected() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  void removeSelection(int) override {
    if (TZEBbox* box = caretBoxHere()) {
      box->ClearSelection();
      box->selectionChanged();
    }
  }
  void setSelection(int, int startOffset, int endOffset) override {
    const ReadingPlace start = reading().placeOf(startOffset);
    const ReadingPlace end = reading().placeOf(endOffset);
    if (start.box != end.box || start.box == nullptr) return;
    const_cast<TZEBbox*>(start.box)->SelectRange(start.paragraph, start.character, end.paragraph, end.character);
  }
  int cursorPosition() const override {
    TZEBbox* box = caretBoxHere();
    if (box == nullptr || box->paragraphCount() == 0) return 0;
    return reading().offsetOf(*box, box->Caret().paragraphIndex, box->Caret().charIndex).value_or(0);
  }
  void setCursorPosition(int position) override {
    const ReadingPlace place = reading().placeOf(position);
    if (place.box == nullptr || place.box->paragraphCount() == 0) return;
    auto* box = const_cast<TZEBbox*>(place.box);
    box->ClearSelection();
    box->moveCaret(box->positionOf(place.paragraph, place.character));
    box->showCaret();
    box->selectionChanged();
  }
  QString text(int startOffset, int endOffset) const override { return unicodeText(reading(), startOffset, endOffset); }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                           int* endOffset) const override {
    const auto [start, end] = spanAt(offset, type);
    if (start <= 0) return none(startOffset, endOffset);
    return textOf(spanAt(start - 1, type), startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                          int* endOffset) const override {
    const auto [start, end] = spanAt(offset, type);
    if (end >= reading().length()) return none(startOffset, endOffset);
    return textOf(spanAt(end, type), startOffset, endOffset);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                       int* endOffset) const override {
    return textOf(spanAt(offset, type), startOffset, endOffset);
  }
  int characterCount() const override { return reading().length(); }

  QRect characterRect(int offset) const override {
    TextBoxWidget* window = textWindow();
    if (window == nullptr) return {};
    const ReadingPlace place = reading().placeOf(offset);
    if (place.box == nullptr || place.paragraph >= place.box->paragraphCount()) return {};
    const TextPos position = place.box->positionOf(place.paragraph, place.character);
    const bool atEnd = place.character >= place.box->paragraph(place.paragraph).length();
    const int right = atEnd ? position.X : std::max(position.XEnd, position.X);
    return screenRect(*window, *place.box,
                      {position.X, position.Y, right, position.Y + std::max(position.LineHeight, 1)});
  }
  int offsetAtPoint(const QPoint& point) const override {
    TextBoxWidget* window = textWindow();
    if (window == nullptr) return -1;
    const QPoint boxPoint = window->toBox(window->mapFromGlobal(point));
    const BoxPoint inner = innermostBoxAt(window->box(), boxPoint.x(), boxPoint.y());
    if (inner.box == nullptr) return -1;
    const auto hit = hitTest(*inner.box, inner.x, inner.y, HitScope::all);
    if (!hit || !isOnCharacter(*hit, inner.x, inner.y)) return -1;
    return reading().offsetOf(*inner.box, hit->paragraphIndex, hit->charIndex).value_or(-1);
  }
  void scrollToSubstring(int startIndex, int) override {
    const ReadingPlace place = reading().placeOf(startIndex);
    if (place.box == nullptr || place.box->paragraphCount() == 0) return;
    auto* box = const_cast<TZEBbox*>(place.box);
    const TextPos position = box->positionOf(place.paragraph, place.character);
    box->makeVisible({position.X, position.Y, position.XEnd, position.Y + position.LineHeight});
  }

  // The font of the character, as its text is shown (a link's look included), and the
  // stretch of characters of its paragraph shown in the same font.
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    const ReadingText& text = reading();
    const auto fontAt = [&text](int at) -> std::optional<TMyFont> {
      const ReadingPlace place = text.placeOf(at);
      if (place.box == nullptr || place.paragraph >= place.box->paragraphCount()) return std::nullopt;
      const TZEBparag& paragraph = place.box->paragraph(place.paragraph);
      return effectiveFont(paragraph, std::min(place.character, paragraph.length()));
    };
    const ReadingPlace place = text.placeOf(offset);
    const auto font = fontAt(offset);
    *startOffset = *endOffset = std::clamp(offset, 0, text.length());
    if (!font) return {};
    const auto sameRun = [&](int at) {
      const ReadingPlace other = text.placeOf(at);
      return other.box == place.box && other.paragraph == place.paragraph && fontAt(at) == font;
    };
    while (*startOffset > 0 && sameRun(*startOffset - 1)) --*startOffset;
    while (*endOffset < text.length() && sameRun(*endOffset)) ++*endOffset;
    QString result =
        QStringLiteral("font-family:%1;font-size:%2pt;font-weight:%3;font-style:%4;")
            .arg(fromBookText(font->Name), QString::number(font->Size),
                 (font->Style & fontStyle::bold) != 0 ? QStringLiteral("bold") : QStringLiteral("normal"),
                 (font->Style & fontStyle::italic) != 0 ? QStringLiteral("italic") : QStringLiteral("normal"));
    result += (font->Style & fontStyle::underline) != 0 ? QStringLiteral("text-underline-type:single;")
                                                        : QStringLiteral("text-underline-type:none;");
    const Colour colour = classicRgbOf(font->Color);
    result += QStringLiteral("color:rgb(%1,%2,%3);").arg(redOf(colour)).arg(greenOf(colour)).arg(blueOf(colour));
    return result;
  }

 protected:
  // The box whose caret and selection this text reports: the window's caret box when this
  // text holds it.
  TZEBbox* caretBoxHere() const {
    TextBoxWidget* window = textWindow();
    if (window == nullptr) return nullptr;
    TZEBbox& box = window->caretBox();
    return reading().offsetOf(box, 0, 0) ? &box : nullptr;
  }

 private:
  std::optional<std::pair<int, int>> selected() const {
    TZEBbox* box = caretBoxHere();
    if (box == nullptr || !box->hasSelection()) return std::nullopt;
    const TextPos& start = box->orderedStart();
    const TextPos& end = box->orderedEnd();
    return std::pair(reading().offsetOf(*box, start.paragraphIndex, start.charIndex).value_or(0),
                     reading().offsetOf(*box, end.paragraphIndex, end.charIndex).value_or(0));
  }

  std::pair<int, int> spanAt(int offset, QAccessible::TextBoundaryType type) const {
    const ReadingText& text = reading();
    const int at = std::clamp(offset, 0, text.length());
    switch (type) {
      case QAccessible::CharBoundary: return {at, std::min(at + 1, text.length())};
      case QAccessible::WordBoundary: return text.wordAt(at);
      case QAccessible::SentenceBoundary: {
        const SentenceSpan span = sentenceAt(text.text(), at);
        return {span.start, span.end};
      }
      case QAccessible::ParagraphBoundary: return text.paragraphAt(at);
      case QAccessible::LineBoundary: return text.lineAt(at);
      case QAccessible::NoBoundary: return {0, text.length()};
    }
    return {at, at};
  }
  QString textOf(std::pair<int, int> span, int* startOffset, int* endOffset) const {
    *startOffset = span.first;
    *endOffset = span.second;
    return text(span.first, span.second);
  }
  static QString none(int* startOffset, int* endOffset) {
    *startOffset = *endOffset = -1;
    return {};
  }
};

// The index-th of a list of children, and the index of one (-1: not among them).
QAccessibleInterface* childAtIndex(const std::vector<QAccessibleInterface*>& list, int index) {
  return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)] : nullptr;
}

int indexAmong(const std::vector<QAccessibleInterface*>& list, const QAccessibleInterface* child) {
  const auto found = std::find(list.begin(), list.end(), child);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

// --- Children made for a box's links and tables, and kept with the interface of the box.
class OwnedChildren {
 public:
  OwnedChildren() = default;
  OwnedChildren(const OwnedChildren&) = delete;
  OwnedChildren& operator=(const OwnedChildren&) = delete;
  ~OwnedChildren() {
    for (QAccessibleInterface* child : owned_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(child));
  }
  QAccessibleInterface* adopt(QAccessibleInterface* child) {
    QAccessible::registerAccessibleInterface(child);
    owned_.push_back(child);
    return child;
  }

 private:
  std::vector<QAccessibleInterface*> owned_;
};

std::vector<QAccessibleInterface*> childrenOf(TextBoxWidget& window, const ReadingText& text, const TZEBbox& box,
                                              QAccessibleInterface* parent, OwnedChildren& owned);

class LinkAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  LinkAccessible(TextBoxWidget& window, const ReadingText& text, const ReadingLink& link, QAccessibleInterface* parent)
      : window_(&window), text_(&text), link_(link), parent_(parent) {}

  bool isValid() const override { return !window_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_->window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return unicodeText(*text_, link_.start, link_.end);
    if (kind == QAccessible::Description) {
      const TZEBoggetto* object = linkObjectOf(link_);
      return object != nullptr ? longPart(hintOf(*link_.place.box, *object)) : QString();
    }
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    QRect area;
    for (int i = link_.start; i < link_.end; ++i) area = area.united(characterRectIn(i));
    return area;
  }
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.linked = true;
    state.invisible = window_.isNull() || !window_->isVisible();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction() || !isValid()) return;
    if (TZEBoggetto* object = linkObjectOf(link_)) const_cast<TZEBbox*>(link_.place.box)->followLink(*object);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QRect characterRectIn(int offset) const {
    const ReadingPlace place = text_->placeOf(offset);
    const TextPos position = place.box->positionOf(place.paragraph, place.character);
    return screenRect(*window_, *place.box,
                      {position.X, position.Y, std::max(position.XEnd, position.X + 1),
                       position.Y + std::max(position.LineHeight, 1)});
  }

  QPointer<TextBoxWidget> window_;
  const ReadingText* text_;
  ReadingLink link_;
  QAccessibleInterface* parent_;
};

class TableAccessible;

class CellAccessible final : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public ReadingTextInterface {
 public:
  CellAccessible(TextBoxWidget& window, TZEBbox& cell, int row, int column, TableAccessible* table)
      : window_(&window), cell_(&cell), text_(cell), row_(row), column_(column), table_(table) {}

  const ReadingText& reading() const override { return text_; }
  TextBoxWidget* textWindow() const override { return window_.data(); }

  bool isValid() const override { return !window_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int x, int y) const override {
    for (QAccessibleInterface* child : children())
      if (child->rect().contains(x, y)) return child;
    return nullptr;
  }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override { return childAtIndex(children(), index); }
  int childCount() const override { return static_cast<int>(children().size()); }
  int indexOfChild(const QAccessibleInterface* child) const override { return indexAmong(children(), child); }
  // Both texts: the accessible name's and the text interface's.
  using ReadingTextInterface::text;
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? unicodeText(text_, 0, text_.length()) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    return screenRect(*window_, *cell_, {0, 0, cell_->Width(), cell_->Height()});
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    state.selectableText = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

 private:
  const std::vector<QAccessibleInterface*>& children() const {
    if (!children_ && window_)
      children_ = childrenOf(*window_, text_, *cell_, const_cast<CellAccessible*>(this), owned_);
    static const std::vector<QAccessibleInterface*> empty;
    return children_ ? *children_ : empty;
  }

  QPointer<TextBoxWidget> window_;
  TZEBbox* cell_;
  ReadingText text_;
  int row_;
  int column_;
  TableAccessible* table_;
  mutable OwnedChildren owned_;
  mutable std::optional<std::vector<QAccessibleInterface*>> children_;
};

class TableAccessible final : public QAccessibleInterface, public QAccessibleTableInterface {
 public:
  TableAccessible(TextBoxWidget& window, TableCells& table, const TZEBbox& box, QAccessibleInterface* parent)
      : window_(&window), table_(&table), box_(&box), parent_(parent) {
    const int columns = std::max(table.columns(), 1);
    for (std::size_t k = 0; k < table.cells().size(); ++k) {
      if (!table.cells()[k]) continue;
      auto* cell = new CellAccessible(window, *table.cells()[k], static_cast<int>(k) / columns,
                                      static_cast<int>(k) % columns, this);
      cells_.push_back(owned_.adopt(cell));
    }
  }

  bool isValid() const override { return !window_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_->window(); }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (QAccessibleInterface* cell : cells_)
      if (cell->rect().contains(x, y)) return cell;
    return nullptr;
  }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int index) const override { return childAtIndex(cells_, index); }
  int childCount() const override { return static_cast<int>(cells_.size()); }
  int indexOfChild(const QAccessibleInterface* child) const override { return indexAmong(cells_, child); }
  QString text(QAccessible::Text) const override { return {}; }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const auto bounds = objectBounds(*table_);
    if (!bounds || !isValid()) return {};
    return screenRect(*window_, *box_, *bounds);
  }
  QAccessible::Role role() const override { return QAccessible::Table; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return child(row * columnCount() + column);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return std::max(table_->columns(), 1); }
  int rowCount() const override { return static_cast<int>(cells_.size()) / columnCount(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  QPointer<TextBoxWidget> window_;
  TableCells* table_;
  const TZEBbox* box_;
  QAccessibleInterface* parent_;
  OwnedChildren owned_;
  std::vector<QAccessibleInterface*> cells_;
};

QWindow* CellAccessible::window() const { return table_->window(); }
QAccessibleInterface* CellAccessible::parent() const { return table_; }
QAccessibleInterface* CellAccessible::table() const { return table_; }

// The control of an embedded object: a child widget of the window bound to the object.
QWidget* controlOf(const TextBoxWidget& window, const EmbeddedObject& object) {
  for (TMyyVisual* control : window.findChildren<TMyyVisual*>(Qt::FindDirectChildrenOnly))
    if (&control->sizing() == &object) return control;
  return nullptr;
}

// The links, tables and controls of the box (not those inside its cells), in text order.
std::vector<QAccessibleInterface*> childrenOf(TextBoxWidget& window, const ReadingText& text, const TZEBbox& box,
                                              QAccessibleInterface* parent, OwnedChildren& owned) {
  struct Item {
    int offset;
    QAccessibleInterface* interface;
  };
  std::vector<Item> items;
  for (const ReadingLink& link : text.links())
    if (link.place.box == &box && linkObjectOf(link) != nullptr)
      items.push_back({link.start, owned.adopt(new LinkAccessible(window, text, link, parent))});
  for (const ReadingObject& object : text.objects()) {
    if (object.place.box != &box || object.object == nullptr) continue;
    if (TableCells* table = object.object->tableCells()) {
      items.push_back({object.offset, owned.adopt(new TableAccessible(window, *table, box, parent))});
    } else if (QWidget* control = controlOf(window, *object.object)) {
      if (QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control))
        items.push_back({object.offset, interface});
    }
  }
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.offset < b.offset; });
  std::vector<QAccessibleInterface*> children;
  for (const Item& item : items) children.push_back(item.interface);
  return children;
}

// --- The page's text box window.
class PageAccessible final : public QAccessibleWidget, public ReadingTextInterface {
 public:
  explicit PageAccessible(TextBoxWidget* window) : QAccessibleWidget(window, QAccessible::Document) {}

  const ReadingText& reading() const override { return textWindow()->readingText(); }
  TextBoxWidget* textWindow() const override { return static_cast<TextBoxWidget*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  using ReadingTextInterface::text;
  // The page's name; a name the window was given comes first.
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      const TZEBbox& box = textWindow()->box();
      return box.TextObject() != nullptr ? fromBookText(box.TextObject()->Name(), box.codePage()) : QString();
    }
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    return state;
  }
  QAccessibleInterface* child(int index) const override { return childAtIndex(children(), index); }
  int childCount() const override { return static_cast<int>(children().size()); }
  int indexOfChild(const QAccessibleInterface* child) const override { return indexAmong(children(), child); }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (QAccessibleInterface* child : children())
      if (child->rect().contains(x, y)) return child;
    return nullptr;
  }

 private:
  const std::vector<QAccessibleInterface*>& children() const {
    if (!children_) {
      TextBoxWidget& window = *textWindow();
      children_ = childrenOf(window, window.readingText(), window.box(), const_cast<PageAccessible*>(this), owned_);
    }
    return *children_;
  }

  mutable OwnedChildren owned_;
  mutable std::optional<std::vector<QAccessibleInterface*>> children_;
};

// --- Pictures and their hot zones.
class PictureAccessible final : public QAccessibleWidget {
 public:
  explicit PictureAccessible(TMyyImage* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

  // The picture's name in the book; without one, the description of its link.
  QString text(QAccessible::Text kind) const override {
    const auto& image = *static_cast<TMyyImage*>(widget());
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      const TZEBoggetto* object = image.Object();
      const QString name = object != nullptr ? fromBookText(object->Name(), image.box().codePage()) : QString();
      if (!name.isEmpty()) return name;
      return image.link() != nullptr ? hintOf(image.box(), *image.link()).section(QLatin1Char('|'), 0, 0)
                                     : widget()->toolTip();
    }
    if (kind == QAccessible::Description && image.link() != nullptr)
      return longPart(hintOf(image.box(), *image.link()));
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override {
    return static_cast<TMyyImage*>(widget())->link() != nullptr ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) static_cast<TMyyImage*>(widget())->ClickAction();
  }
};

class ZoneAccessible final : public QAccessibleWidget {
 public:
  explicit ZoneAccessible(TMyyZona* zone) : QAccessibleWidget(zone, QAccessible::Link) {}

  QString text(QAccessible::Text kind) const override {
    const TMyyZona& zone = *static_cast<TMyyZona*>(widget());
    const auto* image = qobject_cast<const TMyyImage*>(zone.parentWidget());
    if (zone.link() == nullptr || image == nullptr) return QAccessibleWidget::text(kind);
    const QString hint = hintOf(image->box(), *zone.link());
    if (kind == QAccessible::Name) return hint.section(QLatin1Char('|'), 0, 0);
    if (kind == QAccessible::Description) return longPart(hint);
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    return state;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    auto* zone = static_cast<TMyyZona*>(widget());
    if (action != pressAction()) return;
    if (auto* image = qobject_cast<TMyyImage*>(zone->parentWidget())) image->followZone(zone->link());
  }
};

std::function<void(QAccessibleEvent&)>& observer() {
  static std::function<void(QAccessibleEvent&)> observer;
  return observer;
}

void send(QAccessibleEvent& event) {
  if (observer()) observer()(event);
  QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* pageInterface(const QString&, QObject* object) {
  if (auto* window = qobject_cast<TextBoxWidget*>(object)) return new PageAccessible(window);
  if (auto* zone = qobject_cast<TMyyZona*>(object)) return new ZoneAccessible(zone);
  if (auto* image = qobject_cast<TMyyImage*>(object)) return new PictureAccessible(image);
  return nullptr;
}

}  // namespace

void installPageAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(pageInterface);
    return true;
  }();
  (void)installed;
}

void setAccessibilityObserver(std::function<void(QAccessibleEvent&)> watcher) { observer() = std::move(watcher); }

void announceCaret(TextBoxWidget& window) {
  if (!QAccessible::isActive() && !observer()) return;
  TZEBbox& box = window.caretBox();
  if (box.paragraphCount() == 0) return;
  const ReadingText& text = window.readingText();
  const auto offsetOf = [&](const TextPos& position) {
    return text.offsetOf(box, position.paragraphIndex, position.charIndex).value_or(0);
  };
  const int caret = offsetOf(box.Caret());
  const int start = box.hasSelection() ? offsetOf(box.orderedStart()) : caret;
  const int end = box.hasSelection() ? offsetOf(box.orderedEnd()) : caret;
  TextBoxWidget::AnnouncedCaret& announced = window.announced();
  const bool hadSelection = announced.selectionStart != announced.selectionEnd;
  if (start != end || hadSelection) {
    if (start != announced.selectionStart || end != announced.selectionEnd) {
      QAccessibleTextSelectionEvent event(&window, start, end);
      send(event);
    }
  }
  announced.selectionStart = start;
  announced.selectionEnd = end;
  if (caret != announced.caret) {
    announced.caret = caret;
    QAccessibleTextCursorEvent event(&window, caret);
    send(event);
  }
}

void announceText(TextBoxWidget& window) {
  if (!QAccessible::isActive() && !observer()) return;
  const ReadingText& text = window.readingText();
  QAccessibleTextUpdateEvent event(&window, 0, QString(), unicodeText(text, 0, text.length()));
  send(event);
}

}  // namespace zeb
