// What accessibility tools read of a page's text box window, under the offscreen platform:
// the text, its boundaries and rectangles, the link and table children, and the caret and
// selection events that caret browsing sends.
#include "view/qt/page_accessibility.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "document/describe_object.h"
#include "export/clipboard_conversion.h"
#include "platform/qt/qt_text_measurer.h"
#include "tests/text/box_test_support.h"
#include "text/measurement_cache.h"
#include "text/paragraph.h"
#include "text/table_cells.h"
#include "text/text_box.h"
#include "view/qt/text_box_widget.h"

namespace zeb {
namespace {

using testing::BoxTest;

struct SeenEvent {
  QAccessible::Event type;
  int first;  // the cursor position, or the selection's start
  int second;
  bool operator==(const SeenEvent&) const = default;
};
std::vector<SeenEvent>* seenEvents = nullptr;

void recordEvent(QAccessibleEvent& seen) {
  QAccessibleEvent* event = &seen;
  if (seenEvents == nullptr) return;
  if (event->type() == QAccessible::TextCaretMoved)
    seenEvents->push_back({event->type(), static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition(), 0});
  if (event->type() == QAccessible::TextSelectionChanged) {
    const auto* selection = static_cast<QAccessibleTextSelectionEvent*>(event);
    seenEvents->push_back({event->type(), selection->selectionStart(), selection->selectionEnd()});
  }
}

class PageAccessibilityTest : public BoxTest {
 protected:
  void SetUp() override {
    setAccessibilityObserver(recordEvent);
    seenEvents = &events;
  }
  void TearDown() override {
    seenEvents = nullptr;
    widget.reset();
    setAccessibilityObserver(nullptr);
  }

  // A reading box (read-only, Animated) in its window, measured with Qt as it paints.
  QAccessibleInterface& showPage(std::string_view markup) {
    std::string text(markup);
    text.push_back('\0');
    setText(text);
    box = std::make_unique<TZEBbox>(set, qtMeasures);
    box->setHost(&host);
    box->setBounds(0, 0, 400, 200);
    host.width = 400;
    box->LoadFrom(*page);
    box->setReadOnly(true);
    box->setAnimated(true);
    widget = std::make_unique<TextBoxWidget>(*box);
    widget->resize(400, 200);
    widget->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    widget->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(widget.get()));
    widget->setFocus();
    return *QAccessible::queryAccessibleInterface(widget.get());
  }

  // A table of two rows and two 50 % columns, embedded first in the page.
  std::string table(std::initializer_list<std::string_view> cells) {
    auto object = set.makeObject(TOggettiHel::tabellaHtml);
    object->Release();
    object->record().setU8(field::tableRows, 2);
    testing::halveColumns(object->record());
    object->record().setU8(field::tableRelativeWidth, 0);
    object->record().setI16(field::tableWidth, 300);
    const std::uint32_t reference = page->addEmbedded(std::move(object), 0);
    std::string markup = linkTag(reference);
    for (const std::string_view cell : cells) markup += tag("") + std::string(cell) + "<T>";
    return markup;
  }

  static std::pair<int, int> span(QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType type,
                                  QString* words = nullptr) {
    int start = -1;
    int end = -1;
    const QString found = text.textAtOffset(offset, type, &start, &end);
    if (words != nullptr) *words = found;
    return {start, end};
  }

  QtTextMeasurer qtMeasurer{96};
  MeasurementCache qtMeasures{qtMeasurer};
  std::unique_ptr<TextBoxWidget> widget;
  std::vector<SeenEvent> events;
};

TEST_F(PageAccessibilityTest, TheDocumentReadsThePlainTextWithItsWordsSentencesPlacesLinksAndTable) {
  const std::string link = localLink("nexo:|7");
  QAccessibleInterface& document = showPage(tag("") + "First words here. Second " + link + "link<%> ends! Third?" +
                                            tag("") + "Grid: " + table({"a", "b", "c", "d"}) + "after");
  EXPECT_EQ(document.role(), QAccessible::Document);
  EXPECT_TRUE(document.state().readOnly);
  QAccessibleTextInterface* text = document.textInterface();
  ASSERT_NE(text, nullptr);

  // What the copy's plain text holds (zebtool text), with line feeds for its line breaks.
  std::string plain = plainTextOf(set, page.get(), page->textView());
  plain.pop_back();
  const QString expected = QString::fromStdString(plain).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  EXPECT_EQ(text->text(0, text->characterCount()), expected);
  EXPECT_EQ(expected, QStringLiteral("First words here. Second link ends! Third?\nGrid: a\tb\nc\td\nafter"));

  QString words;
  EXPECT_EQ(span(*text, 8, QAccessible::WordBoundary, &words), std::pair(6, 12));  // in "words"
  EXPECT_EQ(words, QStringLiteral("words "));
  EXPECT_EQ(span(*text, 16, QAccessible::WordBoundary), std::pair(12, 18));  // the full stop after "here"
  EXPECT_EQ(span(*text, 27, QAccessible::SentenceBoundary, &words), std::pair(18, 36));
  EXPECT_EQ(words, QStringLiteral("Second link ends! "));
  EXPECT_EQ(span(*text, 40, QAccessible::SentenceBoundary), std::pair(36, 43));  // "Third?" and its line feed
  EXPECT_EQ(span(*text, 44, QAccessible::ParagraphBoundary), std::pair(43, 62));
  EXPECT_EQ(span(*text, 51, QAccessible::ParagraphBoundary), std::pair(51, 53));  // the cell "b" and its tab

  // The character "w" (offset 6) lies where layout put it, and the point maps back to it.
  const TextPos w = box->positionOf(0, 6);
  const QPoint inside = widget->mapToGlobal(QPoint(w.X + 1, w.Y + w.LineHeight / 2));
  EXPECT_TRUE(text->characterRect(6).contains(inside));
  EXPECT_EQ(text->characterRect(6).width(), w.XEnd - w.X);
  EXPECT_EQ(text->offsetAtPoint(inside), 6);
  // At 200 % the window shows each book pixel twice as large, and the rectangle follows.
  widget->setZoom(PageZoom(200));
  QCoreApplication::processEvents();
  const TextPos zoomed = box->positionOf(0, 6);
  const QPoint insideZoomed =
      widget->mapToGlobal(QPoint(2 * zoomed.X + 2, 2 * (zoomed.Y + zoomed.LineHeight / 2)));
  EXPECT_TRUE(text->characterRect(6).contains(insideZoomed));
  EXPECT_EQ(text->characterRect(6).width(), 2 * (zoomed.XEnd - zoomed.X));
  EXPECT_EQ(text->offsetAtPoint(insideZoomed), 6);
  widget->setZoom(PageZoom(100));
  QCoreApplication::processEvents();
  int start = 0;
  int end = 0;
  EXPECT_TRUE(text->attributes(0, &start, &end).contains(QStringLiteral("font-size:10pt;font-weight:normal;")));
  EXPECT_EQ(start, 0);
  // The link's look differs from the text before it.
  EXPECT_EQ(end, 25);

  // The link, then the table, in text order.
  ASSERT_EQ(document.childCount(), 2);
  QAccessibleInterface* linkChild = document.child(0);
  EXPECT_EQ(linkChild->role(), QAccessible::Link);
  EXPECT_EQ(linkChild->text(QAccessible::Name), QStringLiteral("link"));
  TZEBoggetto* linkObject = box->linkObject(box->paragraph(0).Cells[25].LinkCode, box->paragraph(0));
  ASSERT_NE(linkObject, nullptr);
  const QString hint = QString::fromStdString(describeObject(set, *linkObject));
  EXPECT_FALSE(hint.isEmpty());
  EXPECT_EQ(linkChild->text(QAccessible::Description), hint.section(QLatin1Char('|'), 1));
  EXPECT_EQ(document.indexOfChild(linkChild), 0);
  ASSERT_NE(linkChild->actionInterface(), nullptr);
  linkChild->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  platform.events.runPending();
  EXPECT_EQ(frames.followed, (std::vector<TZEBoggetto*>{linkObject}));

  QAccessibleInterface* grid = document.child(1);
  EXPECT_EQ(grid->role(), QAccessible::Table);
  QAccessibleTableInterface* cells = grid->tableInterface();
  ASSERT_NE(cells, nullptr);
  EXPECT_EQ(cells->rowCount(), 2);
  EXPECT_EQ(cells->columnCount(), 2);
  QAccessibleInterface* cell = cells->cellAt(1, 0);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->textInterface()->text(0, cell->textInterface()->characterCount()), QStringLiteral("c"));
  EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
  EXPECT_EQ(cells->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("b"));

  // A caret put into a cell is told at its place in the page's text, as in the page's own box.
  events.clear();
  cell->textInterface()->setCursorPosition(1);
  EXPECT_EQ(events, (std::vector<SeenEvent>{{QAccessible::TextCaretMoved, 54, 0}}));
  EXPECT_EQ(text->cursorPosition(), 54);
}

TEST_F(PageAccessibilityTest, CaretBrowsingMovesTheCaretWithTheKeysAndTellsWhereItAndTheSelectionAre) {
  frames.caretBrowsing = true;
  const std::string link = localLink("nexo:|7");
  QAccessibleInterface& document = showPage(tag("") + "one two " + link + "three<%> four");
  QAccessibleTextInterface& text = *document.textInterface();
  events.clear();

  QTest::keyClick(widget.get(), Qt::Key_Right);
  EXPECT_EQ(box->Caret().charIndex, 1);
  EXPECT_TRUE(box->CaretControl().shown());
  QTest::keyClick(widget.get(), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(text.cursorPosition(), 4);
  QTest::keyClick(widget.get(), Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(text.selectionCount(), 1);
  EXPECT_EQ(events, (std::vector<SeenEvent>{{QAccessible::TextCaretMoved, 1, 0},
                                            {QAccessible::TextCaretMoved, 4, 0},
                                            {QAccessible::TextSelectionChanged, 4, 8},
                                            {QAccessible::TextCaretMoved, 8, 0}}));
  int start = 0;
  int end = 0;
  text.selection(0, &start, &end);
  EXPECT_EQ(std::pair(start, end), std::pair(4, 8));

  // Enter on the link at the caret follows it; Tab selects the next link, then leaves.
  // Right collapses the selection to its end and moves on, into the link.
  QTest::keyClick(widget.get(), Qt::Key_Right);
  EXPECT_EQ(text.cursorPosition(), 9);
  EXPECT_EQ(text.selectionCount(), 0);
  QTest::keyClick(widget.get(), Qt::Key_Return);
  platform.events.runPending();
  EXPECT_EQ(frames.followed.size(), 1u);
  box->moveCaret(box->positionOf(0, 0));
  QTest::keyClick(widget.get(), Qt::Key_Tab);
  EXPECT_EQ(std::pair(box->orderedStart().charIndex, box->orderedEnd().charIndex), std::pair(8, 13));
  EXPECT_FALSE(box->selectNextLink(true));
  EXPECT_FALSE(box->selectNextLink(false));
}

// Tab goes from link to link in text order, a table cell's link at its table's place, before
// the focus leaves the page; Shift+Tab goes back the same way, and Enter follows the link it
// chose in a cell.
TEST_F(PageAccessibilityTest, TabVisitsTheLinksOfTableCellsAtTheirPlaceInTheText) {
  const std::string first = localLink("nexo:|1");
  const std::string inCell = localLink("nexo:|2");
  const std::string last = localLink("nexo:|3");
  showPage(tag("") + first + "one<%> " + table({"a", inCell + "two<%>", "c", "d"}) + " after " + last + "three<%>");
  // The page in a window with a field after it, where the focus goes once the links are done.
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  TextBoxWidget* page = widget.release();
  page->setParent(&window);
  layout->addWidget(page);
  auto* field = new QLineEdit(&window);
  layout->addWidget(field);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  page->setFocus();
  TZEBbox* cell = nullptr;
  for (const EmbeddedRef& ref : box->paragraph(0).Objects)
    if (ref.visual != nullptr && ref.visual->tableCells() != nullptr) cell = ref.visual->tableCells()->cell(0, 1);
  ASSERT_NE(cell, nullptr);
  const auto selected = [](const TZEBbox& in) {
    if (!in.hasSelection()) return std::pair(-1, -1);
    return std::pair(in.orderedStart().charIndex, in.orderedEnd().charIndex);
  };

  QTest::keyClick(page, Qt::Key_Tab);
  EXPECT_EQ(selected(*box), std::pair(0, 3));
  QTest::keyClick(page, Qt::Key_Tab);
  EXPECT_EQ(selected(*cell), std::pair(0, 3));
  EXPECT_EQ(selected(*box), std::pair(-1, -1));
  QTest::keyClick(page, Qt::Key_Tab);
  EXPECT_EQ(selected(*box), std::pair(12, 17));
  EXPECT_EQ(selected(*cell), std::pair(-1, -1));
  QTest::keyClick(page, Qt::Key_Tab);
  EXPECT_TRUE(field->hasFocus());

  page->setFocus();
  QTest::keyClick(page, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(selected(*cell), std::pair(0, 3));
  QTest::keyClick(page, Qt::Key_Return);
  platform.events.runPending();
  ASSERT_EQ(frames.followed.size(), 1u);
  EXPECT_EQ(frames.followed.back()->Name(), "nexo:|2");
  QTest::keyClick(page, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(selected(*box), std::pair(0, 3));
  QTest::keyClick(page, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(field->hasFocus());
}

}  // namespace
}  // namespace zeb
