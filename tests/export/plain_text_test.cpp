// The plain-text converter: paragraphs, entities, tables and fields, as exact bytes.
#include "tests/export/export_test_support.h"

namespace zeb {
namespace {

using testing::ExportTest;
using PlainText = ExportTest;

TEST_F(PlainText, ParagraphsAreSeparatedAndTheMarkupBeforeTheFirstTagIsNotText) {
  EXPECT_EQ(plainOf("no tag at all"), "");
  EXPECT_EQ(plainOf(""), "");
  EXPECT_EQ(plainOf("<Z S0 >first<Z S0 >second"), "first\r\nsecond");
  EXPECT_EQ(plainOf("ignored<Z S0 >a<Z S0 ><Z S0 A2 t10 >c"), "a\r\n\r\nc");
  // The markup ends at its zero byte.
  EXPECT_EQ(plainOf(std::string_view("<Z S0 >a\0<Z S0 >b", 17)), "a");
}

TEST_F(PlainText, EntitiesAreDecodedAndOtherBytesStayAsTheyAre) {
  EXPECT_EQ(plainOf("<Z S0 >a &lt; b &amp;&amp; c &gt;"), "a < b && c >");
  EXPECT_EQ(plainOf("<Z S0 >&eacute;&#65;&zz;&quot"),
            "\xE9"
            "A zz;\"");
  EXPECT_EQ(plainOf("<Z S0 >caf\xE9 \x80 ~"), "caf\xE9 \x80 ~");
  // "&#0;" would cut the clipboard's text short; it stands for nothing.
  EXPECT_EQ(plainOf("<Z S0 >a&#0;b&#256;c"), "abc");
}

TEST_F(PlainText, RunsLinksAndSkippedBlocksWriteNoText) {
  zebmake::addObject(set, TOggettiHel::internetLink);
  EXPECT_EQ(plainOf("<Z S0 ><Y g1 >bold<Y > <$01000000>link<%> <X unknown>end"), "bold link end");
  EXPECT_EQ(plainOf("<Z S0 >a<D>hidden<Z S0 >x<d>b<F f><f>c<R>r<r>d"), "abcd");
  // A block that is never closed hides the rest of the markup.
  EXPECT_EQ(plainOf("<Z S0 >a<R>never closed<Z S0 >b"), "a");
  // A tag without its ">" ends the markup.
  EXPECT_EQ(plainOf("<Z S0 >a<Y c0000FF"), "a");
}

TEST_F(PlainText, TableCellsAreSeparatedByTabsAndRowsEndWithALineBreak) {
  const auto table = embedTable(2, 2);
  EXPECT_EQ(plainOf("<Z S0 >" + table.tag + "<Z S1 >a<T><Z S1 >b<T><Z S1 >c<T><Z S1 >d<T>"), "a\tb\r\nc\td\r\n");
  // Paragraphs inside a cell run together; the paragraph after the table starts a line.
  EXPECT_EQ(plainOf("<Z S0 >before" + table.tag + "<Z S1 >a<Z S1 >a2<T><Z S1 >b<T><Z S1 ><T><Z S1 >d<T><Z S0 >after"),
            "beforeaa2\tb\r\n\td\r\n\r\nafter");
}

TEST_F(PlainText, TablesInsideCellsCountTheirOwnCells) {
  const auto outer = embedTable(1, 2);
  const auto inner = embedTable(2, 1);
  EXPECT_EQ(plainOf("<Z S0 >" + outer.tag + "<Z S1 >x" + inner.tag + "<Z S1 >p<T><Z S1 >q<T><T><Z S1 >y<T>"),
            "xp\r\nq\r\n\ty\r\n");
}

TEST_F(PlainText, TablesWithoutCellTextsLeaveTheParagraphsAlone) {
  const auto table = embedTable(2, 2);
  const auto empty = embedTable(0, 3);
  // "<@>": no cell texts follow; a table without cells has none either. A stray cell end
  // outside any table writes nothing.
  EXPECT_EQ(plainOf("<Z S0 >a" + table.tag + "<@><Z S0 >b" + empty.tag + "<Z S0 >c<T>d"), "a\r\nb\r\ncd");
}

TEST_F(PlainText, TablesNamedByTheirStoredIdResolveThroughTheContainer) {
  TZEBoggetto& table = zebmake::addObject(set, TOggettiHel::tabellaHtml);
  table.record().setU8(field::tableColumns, 2);
  char tag[16];
  std::snprintf(tag, sizeof tag, "<$%08x>", table.ID());
  EXPECT_EQ(plainOf(std::string("<Z S0 >") + tag + "<Z S1 >a<T><Z S1 >b<T>"), "a\tb\r\n");
  // A released slot no longer holds a table: its cell texts are ordinary paragraphs.
  table.Release();
  EXPECT_EQ(plainOf(std::string("<Z S0 >") + tag + "<Z S1 >a<T><Z S1 >b<T>"), "\r\na\r\nb");
}

TEST_F(PlainText, FieldsWriteTheirMarkersAndValues) {
  const char* markers[] = {"!RefI:", "!RefL:", "!RefP:", "!RefF:", "!RefX:", "!RefY:", "!ReCF:"};
  for (std::uint8_t subtype = 21; subtype <= 27; ++subtype) {
    const auto field = embed(TOggettiHel::shortObj, subtype);
    field.object.record().setU32(field::panelReference, 0x0500002Au + subtype);
    char expected[32];
    std::snprintf(expected, sizeof expected, "x%s%08Xy", markers[subtype - 21], 0x0500002Au + subtype);
    EXPECT_EQ(plainOf("<Z S0 >x" + field.tag + "y"), expected);
  }
  const auto stored = embed(TOggettiHel::shortObj, 28);
  const std::string storedText("stored \xE9\0tail", 13);
  stored.object.setPrimaryData({reinterpret_cast<const std::uint8_t*>(storedText.data()), storedText.size()});
  EXPECT_EQ(plainOf("<Z S0 >x" + stored.tag + "y"), "x!ReCP:stored \xE9!y");
}

TEST_F(PlainText, NotesLinksPicturesAndMissingObjectsWriteNothing) {
  const auto note = embed(TOggettiHel::shortObj, 10);
  const auto picture = embed(TOggettiHel::immagineNew);
  const auto anchor = embed(TOggettiHel::shortObj, 14);
  EXPECT_EQ(plainOf("<Z S0 >a" + note.tag + picture.tag + anchor.tag + "<$ff0000ff><$6f000003><$01000009>b"), "ab");
}

}  // namespace
}  // namespace zeb
