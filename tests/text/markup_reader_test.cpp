// Reading markup into paragraphs: cells, entities, runs, links, objects and tables, styles,
// the messages for truncated values, and texts that end without a zero byte or mid-tag.
#include "text/markup_reader.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/headless/recording_message_boxes.h"
#include "tests/text/text_test_support.h"
#include "text/markup_entities.h"
#include "text/messages.h"
#include "text/table_cells.h"

namespace zeb {
namespace {

using testing::TextTest;

std::string hexTag(std::uint32_t code) {
  char tag[16];
  std::snprintf(tag, sizeof tag, "<$%08x>", code);
  return tag;
}

class MarkupReader : public TextTest {
 protected:
  std::vector<std::int32_t> linkCodes(const TZEBparag& p) const {
    std::vector<std::int32_t> codes;
    for (const CharCell& cell : p.Cells) codes.push_back(cell.LinkCode);
    return codes;
  }
  const std::vector<ShownMessage>& shown() const { return platform.messages.shown(); }
};

TEST_F(MarkupReader, APlainParagraphHasOneCellPerCharacterAndAnEndCell) {
  load("<Z S0 >Hello");
  ASSERT_EQ(box->paragraphCount(), 1);
  const TZEBparag& p = paragraph(0);
  EXPECT_EQ(p.Text, "Hello");
  ASSERT_EQ(p.Cells.size(), 6u);
  EXPECT_EQ(p.Style.BaseStyle(), set.defaultStyle(0));
  EXPECT_EQ(p.BaseHeight, 24);  // 12 points
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(p.Cells[i].Advance, 12);
    EXPECT_EQ(p.Cells[i].DrawWidth, 12);
    EXPECT_EQ(p.Cells[i].Height, 24);
    EXPECT_EQ(p.Cells[i].Ascent, 18);
    EXPECT_EQ(p.Cells[i].RunStyle, -1);
    EXPECT_EQ(p.Cells[i].ObjectIndex, -1);
  }
  EXPECT_EQ(p.Cells[5].Height, 24);
  EXPECT_TRUE(shown().empty());
}

TEST_F(MarkupReader, EntitiesDecodeAndControlCharactersVanish) {
  // A numeric entity takes three digits at most: "&#1234;" is "&#123" and then "4;".
  load("<Z S0 >a &lt; b &amp;&amp; c|&eacute;|&#65;|&zz;|&#;|&hibar|&notin;|\r\n\t|&&x|&;|&#1234;|&#233");
  EXPECT_EQ(paragraph(0).Text, "a < b && c|\xE9|A| zz;|A|\xAF|\xACin;||&x| |{4;|\xE9");
}

TEST_F(MarkupReader, AllOneHundredAndFourEntityNamesAreKnown) {
  std::string markup = "<Z S0 >";
  for (const EntityName& entity : entityNames) markup += "&" + std::string(entity.name) + ";";
  load(markup);
  const std::string& text = paragraph(0).Text;
  ASSERT_EQ(text.size(), 104u);
  EXPECT_EQ(text.substr(0, 8), "\"&<>\"&<>");
  for (int code = 160; code <= 255; ++code) EXPECT_EQ(static_cast<std::uint8_t>(text[code - 152]), code);
}

TEST_F(MarkupReader, LinkSpansCarryTheirCode) {
  for (int i = 0; i < 6; ++i) zebmake::addObject(set, TOggettiHel::testoHtml);
  load("<Z S1 >x<$00000005>link<%>y");
  const TZEBparag& p = paragraph(0);
  EXPECT_EQ(p.Text, "xlinky");
  EXPECT_EQ(linkCodes(p), (std::vector<std::int32_t>{-1, 5, 5, 5, 5, -1, -1}));
  // Linked text is measured in the link's look: style 1 underlines links, at the same size.
  EXPECT_EQ(p.Cells[1].Advance, 12);
}

TEST_F(MarkupReader, LinksToMissingObjectsAndOtherKindsAreSkipped) {
  const TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
  auto local = set.makeObject(TOggettiHel::internetLink);
  const std::uint32_t localNumber = page->registerLocal(std::move(local));
  load("<Z S0 >a" + hexTag(0x01000099) + "b<%>c" + hexTag(0x05000000) + "d<%>" + hexTag(link.ID()) + "e" +
       hexTag(localNumber) + "f" + hexTag(0x6F000009) + "g<%>");
  const TZEBparag& p = paragraph(0);
  EXPECT_EQ(p.Text, "abcdefg");
  EXPECT_EQ(linkCodes(p), (std::vector<std::int32_t>{-1, -1, -1, -1, static_cast<std::int32_t>(link.ID()),
                                                     static_cast<std::int32_t>(localNumber),
                                                     static_cast<std::int32_t>(localNumber), -1}));
}

TEST_F(MarkupReader, AMissingStyleFallsBackToStyleZero) {
  load("<Z S99 >text<Z S1 >more<Z S-4 >x");
  EXPECT_EQ(paragraph(0).Style.BaseStyle(), set.defaultStyle(0));
  EXPECT_EQ(paragraph(1).Style.BaseStyle(), set.defaultStyle(1));
  EXPECT_EQ(paragraph(2).Style.BaseStyle(), set.defaultStyle(0));
}

TEST_F(MarkupReader, ParagraphAttributesAreReadInTheirOrderAndOnlyWhereTheyDiffer) {
  load("<Z S0 c0000FF F\"Arial Narrow Extra Wide Face\" s12 y5 p2 P9 A2 N7 M3 L30 I-20 l5 r6 t7 b8 C00ff00 S14 Y1 >x");
  const TZEBParaStyle& style = paragraph(0).Style;
  EXPECT_EQ(style.Color(), 0xFF0000u);                  // RRGGBB 0000FF is blue
  EXPECT_EQ(style.FontName(), "Arial Narrow Extra W");  // cut to 20 characters
  EXPECT_FALSE(style.isSet(ParaAttribute::size));       // 12 is the style's own size
  EXPECT_EQ(style.Style(), 5);
  EXPECT_EQ(style.Position(), 2);
  EXPECT_EQ(style.ParaOption(), 9);
  EXPECT_EQ(style.Alignment(), 2);
  EXPECT_EQ(style.Numbering(), 7);
  EXPECT_EQ(style.MeasureUnit(), 3);
  EXPECT_EQ(style.LineHeight(), 30);
  EXPECT_EQ(style.FirstLineIndent(), -20);
  EXPECT_EQ(style.LeftMargin(), 5);
  EXPECT_EQ(style.RightMargin(), 6);
  EXPECT_EQ(style.TopMargin(), 7);
  EXPECT_EQ(style.BottomMargin(), 8);
  EXPECT_EQ(style.LinkColor(), 0x00FF00u);
  EXPECT_EQ(style.LinkSize(), 14);
  EXPECT_EQ(style.LinkStyle(), 1);
  EXPECT_EQ(paragraph(0).Text, "x");

  // Out of order, an attribute is not read; the tag still ends at its ">".
  load("<Z S0 A2 c0000FF >y");
  EXPECT_EQ(paragraph(0).Style.Alignment(), 2);
  EXPECT_FALSE(paragraph(0).Style.isSet(ParaAttribute::color));
  EXPECT_EQ(paragraph(0).Text, "y");
}

TEST_F(MarkupReader, StyleBitsReplaceOnlyTheLowFour) {
  set.defaultStyle(0)->record().setU8(styleField::style, 0xF2);
  load("<Z S0 y1 Y9 >x");
  EXPECT_EQ(paragraph(0).Style.Style(), 0xF1);
  EXPECT_EQ(paragraph(0).Style.LinkStyle(), 9);
}

TEST_F(MarkupReader, RunTagsAreRelativeToTheStyleObject) {
  load("<Z S0 c00FF00 s20 >a<Y s14 >b<Y g1 >c<Y i1 y1 >d<Y >e");
  const TZEBparag& p = paragraph(0);
  ASSERT_EQ(p.RunStyles.size(), 4u);
  // "b": absent colour is the style's black, not the paragraph's green.
  EXPECT_EQ(p.RunStyles[0]->Color(), 0u);
  EXPECT_EQ(p.RunStyles[0]->Size(), 14);
  EXPECT_EQ(p.Cells[1].Advance, 14);
  // "c": bold alone keeps the bits in force and adds bold.
  EXPECT_EQ(p.RunStyles[1]->Style(), fontStyle::bold);
  EXPECT_EQ(p.Cells[2].Advance, 13);  // 12 points, bold
  // "d": y wins over i.
  EXPECT_EQ(p.RunStyles[2]->Style(), fontStyle::bold);
  // "e": an empty run tag returns to the style object's font.
  EXPECT_FALSE(p.RunStyles[3]->hasOverrides());
  EXPECT_EQ(p.Cells[4].Advance, 12);
  EXPECT_EQ(p.Cells[0].Advance, 20);
}

TEST_F(MarkupReader, ARunTagRightAfterAnotherReplacesIt) {
  load("<Z S0 >a<Y s14 ><Y c0000FF >b");
  const TZEBparag& p = paragraph(0);
  ASSERT_EQ(p.RunStyles.size(), 1u);
  EXPECT_EQ(p.Cells[1].RunStyle, 0);
  EXPECT_FALSE(p.RunStyles[0]->isSet(CharAttribute::size));
  EXPECT_EQ(p.RunStyles[0]->Color(), 0xFF0000u);
}

TEST_F(MarkupReader, CharactersAreMeasuredInPairsAfterEachChangeOfFont) {
  platform.measurer.setKerning('A', 'V', 3);
  load("<Z S0 >AV<Y >AV");
  const TZEBparag& p = paragraph(0);
  EXPECT_EQ(p.Cells[0].Advance, 12);
  EXPECT_EQ(p.Cells[1].Advance, 9);   // measured after "A"
  EXPECT_EQ(p.Cells[2].Advance, 12);  // a run starts: measured alone
  EXPECT_EQ(p.Cells[3].Advance, 9);
}

TEST_F(MarkupReader, EachDistinctPairIsMeasuredOnce) {
  std::string markup = "<Z S0 >";
  for (int i = 0; i < 2000; ++i) markup += "abab ";
  load(markup);
  // "a" alone, then the pairs ab, ba, b_, _a (each needing its first character alone).
  EXPECT_EQ(platform.measurer.extentCalls(), 1 + 4 + 2);
  const int before = platform.measurer.extentCalls();
  load(markup);
  EXPECT_EQ(platform.measurer.extentCalls(), before);
  EXPECT_EQ(measures.fontCount(), 1u);
}

TEST_F(MarkupReader, TheMeasurementCacheKeepsABoundedNumberOfFonts) {
  std::string markup = "<Z S0 >";
  for (int size = 1; size <= 600; ++size) markup += "<Y s" + std::to_string(size) + " >ab";
  load(markup);
  EXPECT_LE(measures.fontCount(), limits::maxMeasuredFonts);
  EXPECT_EQ(paragraph(0).Cells[2 * 599].Advance, 600);  // still measured right after the cache started afresh
}

TEST_F(MarkupReader, PositionsShapeTheCells) {
  load("<Z S0 p1 >a<Y p2 >b");
  const TZEBparag& p = paragraph(0);
  EXPECT_EQ(p.BaseHeight, 36);  // a subscript paragraph: 24 + 12
  EXPECT_EQ(p.Cells[0].Height, 36);
  EXPECT_EQ(p.Cells[0].Ascent, 18);
  EXPECT_EQ(p.Cells[1].Height, 24);
  EXPECT_EQ(p.Cells[1].Ascent, 30);
}

TEST_F(MarkupReader, BlocksAndUnknownTagsAreSkipped) {
  load("<Z S0 >a<D hidden <b> text<d>b<F x<f>c<R<r>d<Q whatever>e<@>f");
  EXPECT_EQ(paragraph(0).Text, "abcdef");
}

TEST_F(MarkupReader, ParagraphsFollowOneAnotherAndTextBeforeTheFirstTagIsIgnored) {
  load(std::string_view("junk<Z S0 >one<Z S0 >two\0ignored", 32));
  ASSERT_EQ(box->paragraphCount(), 2);
  EXPECT_EQ(paragraph(0).Text, "one");
  EXPECT_EQ(paragraph(1).Text, "two");
}

TEST_F(MarkupReader, TruncatedValuesShowTheirMessageInTheirBox) {
  setText("<Z S0 s12");
  loadPage();
  EXPECT_EQ(shown(), (std::vector<ShownMessage>{{MessageKind::error, std::string(messages::truncatedLine)}}));
  EXPECT_FALSE(paragraph(0).Style.isSet(ParaAttribute::size));
  EXPECT_EQ(paragraph(0).Text, "");

  platform.messages.clear();
  setText("<Z S0 F\"Arial");
  loadPage();
  EXPECT_EQ(shown(), (std::vector<ShownMessage>{{MessageKind::information, std::string(messages::truncatedLine)}}));
  EXPECT_FALSE(paragraph(0).Style.isSet(ParaAttribute::fontName));
}

TEST_F(MarkupReader, TextsWithoutZeroByteOrWithUnclosedTagsEndSafely) {
  const char* texts[] = {"<Z S0 >abc",
                         "<Z S0 >abc<",
                         "<Z S0 >abc<Y s14",
                         "<Z S0 >a<$0000",
                         "<Z S0 >a&",
                         "<Z S0 >a&#12",
                         "<Z S0 >a<D never closed",
                         "<Z S0",
                         "<Z",
                         "<",
                         "<T",
                         "",
                         "<Z S0 >a<$FF"};
  for (const char* text : texts) {
    setText(text);
    loadPage();
    ASSERT_GE(box->paragraphCount(), 1) << text;
    for (const auto& p : box->Paragraphs()) EXPECT_EQ(p->Cells.size(), p->Text.size() + 1) << text;
  }
  setText("<Z S0 >abc<");
  loadPage();
  EXPECT_EQ(paragraph(0).Text, "abc");
}

TEST_F(MarkupReader, AnEmptyTextIsOneEmptyParagraphOfStyleZero) {
  setText("");
  loadPage();
  ASSERT_EQ(box->paragraphCount(), 1);
  EXPECT_EQ(paragraph(0).Style.BaseStyle(), set.defaultStyle(0));
  EXPECT_EQ(paragraph(0).Cells.size(), 1u);
  EXPECT_EQ(paragraph(0).BaseHeight, 24);
}

TEST_F(MarkupReader, ATagWithoutStyleNumberEndsAnEmptyParagraph) {
  load("<Z x>text<Z S0 >more");
  ASSERT_EQ(box->paragraphCount(), 2);
  EXPECT_EQ(paragraph(0).Text, "");
  EXPECT_EQ(paragraph(0).Style.BaseStyle(), set.defaultStyle(0));
  EXPECT_EQ(paragraph(1).Text, "more");  // "text" lay before the next tag and was passed over
}

TEST_F(MarkupReader, AnObjectIsOneBlankWithTheObjectsSize) {
  TZEBoggetto& picture = zebmake::addObject(set, TOggettiHel::immagine);
  picture.record().setI16(field::pictureWidth, 40);
  picture.record().setI16(field::pictureHeight, 30);
  auto placement = set.makeObject(TOggettiHel::immagineNew);
  placement->Release();
  placement->record().setI32(field::placementPicture, picture.Index());
  TZEBoggetto* placed = placement.get();
  page->addEmbedded(std::move(placement), 8);
  load("<Z S0 >a<$FF000000>b<$FF000007>c");
  const TZEBparag& p = paragraph(0);
  EXPECT_EQ(p.Text, "a bc");  // the missing entry 7 stores nothing
  ASSERT_EQ(p.Objects.size(), 1u);
  EXPECT_EQ(p.Objects[0].object, placed);
  EXPECT_EQ(p.Objects[0].number, 0u);
  EXPECT_EQ(p.Cells[1].ObjectIndex, 0);
  EXPECT_EQ(p.Cells[1].Advance, 40);
  EXPECT_EQ(p.Cells[1].Height, 30);
  EXPECT_EQ(p.Cells[1].Ascent, 30);
}

class TableReading : public MarkupReader {
 protected:
  TZEBoggetto& addTable(int rows, int columns) {
    auto table = set.makeObject(TOggettiHel::tabellaHtml);
    table->Release();
    table->record().setU8(field::tableRows, static_cast<std::uint8_t>(rows));
    table->record().setU8(field::tableColumns, static_cast<std::uint8_t>(columns));
    TZEBoggetto& added = *table;
    page->addEmbedded(std::move(table), 0);
    return added;
  }
  TableCells& tableOf(const TZEBparag& p, int object = 0) {
    return *p.Objects[static_cast<std::size_t>(object)].visual->tableCells();
  }
};

TEST_F(TableReading, CellTextsFollowTheTableTagRowByRow) {
  addTable(2, 2);
  load("<Z S0 >x<$FF000000><Z S1 >a<T><Z S1 >b<Z S1 >b2<T><Z S1 >c<T><Z S1 >d<T>y<Z S0 >next");
  ASSERT_EQ(box->paragraphCount(), 2);
  EXPECT_EQ(paragraph(0).Text, "x y");
  TableCells& table = tableOf(paragraph(0));
  ASSERT_EQ(table.cells().size(), 4u);
  EXPECT_EQ(table.cell(0, 0)->paragraph(0).Text, "a");
  ASSERT_EQ(table.cell(0, 1)->paragraphCount(), 2);
  EXPECT_EQ(table.cell(0, 1)->paragraph(1).Text, "b2");
  EXPECT_EQ(table.cell(1, 0)->paragraph(0).Text, "c");
  EXPECT_EQ(table.cell(1, 1)->paragraph(0).Text, "d");
  EXPECT_EQ(table.cell(1, 1)->paragraph(0).Style.BaseStyle(), set.defaultStyle(1));
  EXPECT_EQ(paragraph(1).Text, "next");
}

TEST_F(TableReading, TextAfterATableIsMeasuredInItsOwnFontWhateverTheCellsUsed) {
  addTable(1, 1);
  std::string markup = "<Z S0 >a<$FF000000><Z S1 >";
  for (int size = 1; size <= 600; ++size) markup += "<Y s" + std::to_string(size) + " >x";
  load(markup + "<T>bc");
  const TZEBparag& p = paragraph(0);
  ASSERT_EQ(p.Text, "a bc");
  EXPECT_EQ(p.Cells[2].Advance, 12);
  EXPECT_EQ(p.Cells[3].Advance, 12);
  EXPECT_EQ(p.Cells[3].Height, 24);
}

TEST_F(TableReading, AnAtSignAfterTheTagMeansNoCellTexts) {
  addTable(1, 1);
  load("<Z S0 >x<$FF000000><@>y");
  EXPECT_EQ(paragraph(0).Text, "x y");
  EXPECT_TRUE(tableOf(paragraph(0)).cells().empty());
}

TEST_F(TableReading, NestedTablesStopAtTheNestingLimit) {
  addTable(1, 1);
  std::string markup = "<Z S0 >";
  for (int depth = 0; depth < 40; ++depth) markup += "<$FF000000><Z S1 >";
  load(markup);
  int depth = 0;
  for (const TZEBbox* current = box.get(); current != nullptr; ++depth) {
    const TZEBparag& first = current->paragraph(0);
    current = first.Objects.empty() || first.Objects[0].visual->tableCells()->cells().empty()
                  ? nullptr
                  : first.Objects[0].visual->tableCells()->cells()[0].get();
  }
  EXPECT_EQ(depth, limits::maxTableNesting + 1);
}

TEST_F(TableReading, ATableTooLargeForTheLoadReadsNoCells) {
  addTable(255, 255);
  addTable(1, 1);
  // 65025 cells exceed what one load may make: the big table reads none, and what follows
  // its tag is read as text.
  load("<Z S0 ><$FF000000><$FF000001><@>");
  EXPECT_EQ(paragraph(0).Text, "  ");
  EXPECT_TRUE(tableOf(paragraph(0), 0).cells().empty());
  EXPECT_TRUE(tableOf(paragraph(0), 1).cells().empty());
}

}  // namespace
}  // namespace zeb
