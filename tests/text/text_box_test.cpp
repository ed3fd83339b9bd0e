// The text box as a whole: loading body, header and footer texts, the old-format guard,
// re-layout on resize, hosted boxes, tables sized in their line, positions of characters
// and the list of named objects.
#include <gtest/gtest.h>

#include "document/messages.h"
#include "tests/text/text_test_support.h"
#include "text/box_host.h"
#include "text/messages.h"
#include "text/named_objects.h"
#include "text/table_cells.h"

namespace zeb {
namespace {

using testing::TextTest;

class RecordingHost final : public BoxHost {
 public:
  int clientWidth() const override { return client; }
  void boxChanged(TZEBbox& box) override {
    ++changes;
    lockSeen = box.UpdateLock();
  }
  int client = 200;
  int changes = 0;
  int lockSeen = -1;
};

class TextBox : public TextTest {
 protected:
  static std::unique_ptr<TZEBtesto> textOf(std::string_view markup) {
    auto text = std::make_unique<TZEBtesto>();
    std::string stored(markup);
    stored.push_back('\0');
    text->setText(stored);
    return text;
  }
};

TEST_F(TextBox, HeaderBodyAndFooterAreReadInOrder) {
  const auto header = textOf(plainTag() + "head");
  const auto footer = textOf(plainTag() + "foot one" + plainTag() + "foot two");
  page->setText(plainTag() + "body" + plainTag() + "more" + '\0');
  RecordingHost host;
  box = std::make_unique<TZEBbox>(set, measures);
  box->setHost(&host);
  box->setBounds(0, 0, 200, 300);
  box->LoadFrom(*page, header.get(), footer.get());

  ASSERT_EQ(box->paragraphCount(), 5);
  EXPECT_EQ(box->HeaderCount(), 1);
  EXPECT_EQ(box->FooterCount(), 2);
  const std::uint8_t origins[] = {1, 0, 0, 2, 2};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(paragraph(i).Origin, origins[i]);
  EXPECT_EQ(paragraph(0).Top, 8);
  EXPECT_EQ(paragraph(1).Top, 28);
  EXPECT_EQ(paragraph(4).Bottom, 8 + 5 * 20 - 1);
  EXPECT_EQ(box->Caret().paragraphIndex, 1);
  EXPECT_EQ(box->Caret().Y, 28);
  EXPECT_EQ(box->textOf(paragraphOrigin::footer), footer.get());
  EXPECT_EQ(host.changes, 1);
  EXPECT_EQ(host.lockSeen, 0);
  EXPECT_EQ(box->bodyMarkup(), plainTag() + "body" + plainTag() + "more" + '\0');
}

TEST_F(TextBox, AnOldFormatTextIsRefused) {
  page->setText("<B>old</B>");
  page->record().setU8(field::pageTextFormat, 1);
  box = std::make_unique<TZEBbox>(set, measures);
  box->LoadFrom(*page);
  EXPECT_EQ(box->paragraphCount(), 0);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::error, std::string(messages::oldVersionText)}}));
}

TEST_F(TextBox, ACellEndInTheBodyEndsTheBody) {
  load(plainTag() + "one<T>" + plainTag() + "never read");
  ASSERT_EQ(box->paragraphCount(), 1);
  EXPECT_EQ(paragraph(0).Text, "one");
}

TEST_F(TextBox, ResizingLaysOutAgainAndMovesTheRanges) {
  RecordingHost host;
  host.client = 200;
  box = std::make_unique<TZEBbox>(set, measures);
  box->setHost(&host);
  box->setBounds(0, 0, 200, 100);
  std::string text;
  for (int i = 0; i < 10; ++i) text += plainTag() + "abcd efgh ijkl";
  page->setText(text + '\0');
  box->LoadFrom(*page);
  EXPECT_EQ(box->VerticalRange(), 8 + 10 * 20);
  box->setScrollPosition(0, 50);

  // Narrower: every paragraph takes three lines; the line at the top of the view (the
  // third paragraph's first, its top 2 pixels above the view) stays there.
  host.client = 60;
  box->Resize(60, 100);
  EXPECT_EQ(box->LayoutWidth(), 60);
  EXPECT_EQ(paragraph(0).Lines.size(), 3u);
  EXPECT_EQ(box->VerticalRange(), 8 + 10 * 60);
  EXPECT_EQ(box->VerticalPosition(), 8 + 2 * 60 + 2);
  EXPECT_EQ(box->Height(), box->VerticalRange());

  // While the caret shows in the view, its line keeps its place: the sixth paragraph's
  // third line, 8 pixels below the top, comes back as its only line.
  box->setCaret(box->positionOf(5, 10));
  box->CaretControl().show(nullptr, {});
  box->setScrollPosition(0, 8 + 5 * 60 + 40 - 8);
  host.client = 200;
  box->Resize(200, 100);
  EXPECT_EQ(box->VerticalPosition(), 8 + 5 * 20 - 8);
  box->CaretControl().hide();

  // Too narrow for a word (and the blank after it): a horizontal range; back to a wide
  // page, it goes.
  host.client = 30;
  box->Resize(30, 100);
  EXPECT_EQ(box->ContentWidth(), 50);
  EXPECT_EQ(box->HorizontalRange(), 50);
  EXPECT_EQ(box->Width(), 50);
  box->setScrollPosition(15, 0);
  host.client = 300;
  box->Resize(300, 100);
  EXPECT_EQ(box->HorizontalRange(), 0);
  EXPECT_EQ(box->HorizontalPosition(), 0);
  EXPECT_EQ(box->VerticalPosition(), 0);

  // Nothing happens while the box is being rebuilt.
  box->beginUpdate();
  host.client = 100;
  box->Resize(100, 100);
  EXPECT_EQ(box->LayoutWidth(), 300);
  box->endUpdate();
}

TEST_F(TextBox, TheCaretFollowsItsTextPositionThroughAResize) {
  load(plainTag() + "abcd efgh", 200);
  box->setCaret(box->positionOf(0, 6));
  EXPECT_EQ(box->Caret().X, 60);
  box->Resize(60, 100);
  EXPECT_EQ(box->Caret().lineIndex, 1);
  EXPECT_EQ(box->Caret().X, 10);
  EXPECT_EQ(box->Caret().Y, 28);
  EXPECT_EQ(box->Caret().LineHeight, 20);
}

TEST_F(TextBox, PositionsIncludeAlignmentAndJustification) {
  load("<Z S" + std::to_string(plainStyle) + " A3 l5 >a b c d efghij", 95);
  const TextPos at = box->positionOf(0, 4);  // "c", after two widened blanks
  EXPECT_EQ(at.X, 5 + 10 + 14 + 10 + 13);
  EXPECT_EQ(at.XEnd, at.X + 10);
  const TextPos end = box->positionOf(0, 14);
  EXPECT_EQ(end.lineIndex, 1);
  EXPECT_EQ(end.X, 5 + 60);
  EXPECT_EQ(end.XEnd, end.X);
}

TEST_F(TextBox, AHostedBoxTakesTheSizeOfItsContent) {
  const auto text = textOf("<Z S" + std::to_string(plainStyle) + " t4 >abc def ghi");
  TZEBbox hosted(set, measures, BoxPlacement::hosted);
  hosted.setBounds(0, 0, 500, 0);
  hosted.setHostInset(5);
  hosted.LoadFrom(*text);
  EXPECT_TRUE(hosted.paragraph(0).Lines.size() == 1u && hosted.paragraph(0).Top == 0);  // not laid out yet
  hosted.setLayoutWidth(60);
  hosted.FitHosted(7, 9);
  EXPECT_EQ(hosted.Left(), 7);
  EXPECT_EQ(hosted.Top(), 9);
  EXPECT_EQ(hosted.paragraph(0).Top, 4 + 5);
  EXPECT_EQ(hosted.paragraph(0).Lines[0].Indent, 5);
  EXPECT_EQ(hosted.paragraph(0).Lines.size(), 3u);  // 50 pixels of line: "abc " each
  EXPECT_EQ(hosted.Width(), 60);
  EXPECT_EQ(hosted.Height(), 9 + 4 + 60 + 5);
}

TEST_F(TextBox, ATableIsGivenTheWidthOfItsLine) {
  auto table = set.makeObject(TOggettiHel::tabellaHtml);
  table->Release();  // 1 x 1, relative width 100 %, spacing 2, inset 2
  testing::halveColumns(table->record());
  table->record().setU8(field::tableWidthPercent, 50);
  page->addEmbedded(std::move(table), 0);
  load(plainTag() + "ab<$FF000000><Z S1 >x<T><Z S1 >y z<T>", 220);
  const EmbeddedRef& object = paragraph(0).Objects.at(0);
  TableCells& cells = *object.visual->tableCells();
  // Offered the line's available width, 220: 110 wide, two columns of 52.
  EXPECT_EQ(cells.width(), 2 + 2 * (52 + 2));
  EXPECT_EQ(cells.cell(0, 0)->LayoutWidth(), 52);
  EXPECT_EQ(cells.cell(0, 1)->Left(), 2 + 52 + 2);
  EXPECT_EQ(paragraph(0).Cells[2].Advance, cells.width());
  EXPECT_EQ(paragraph(0).Cells[2].Height, cells.height());
  EXPECT_EQ(cells.height(), 2 + cells.cell(0, 0)->Height() + 2);
}

TEST_F(TextBox, NamedObjectsListEachLinkOnceAndReachIntoTables) {
  auto picture = set.makeObject(TOggettiHel::immagineNew);
  picture->Release();
  picture->setName("Logo Picture");
  page->addEmbedded(std::move(picture), 0);
  auto table = set.makeObject(TOggettiHel::tabellaHtml);
  table->Release();
  page->addEmbedded(std::move(table), 0);
  auto link = set.makeObject(TOggettiHel::internetLink);
  link->setName("Next PAGE");
  const std::uint32_t local = page->registerLocal(std::move(link));
  char linkTag[16];
  std::snprintf(linkTag, sizeof linkTag, "<$%08x>", local);
  load(plainTag() + linkTag + "a<%>b" + linkTag + "c<%><$FF000000><$FF000001><Z S1 >" + linkTag + "d<%><T>");
  const std::vector<NamedObject> named = listNamedObjects(*box);
  ASSERT_EQ(named.size(), 3u);
  EXPECT_EQ(named[0].name, "next page");
  EXPECT_EQ(named[0].object, page->localObject(local));
  EXPECT_EQ(named[1].name, "logo picture");
  EXPECT_EQ(named[2].object, page->embeddedObject(1));
}

}  // namespace
}  // namespace zeb
