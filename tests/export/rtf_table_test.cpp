// Tables in RTF: rows and cells, column widths, borders and cell colours.
#include "export/rtf_table_rows.h"
#include "tests/export/export_test_support.h"
#include "text/length_units.h"

namespace zeb {
namespace {

using testing::ExportTest;
using testing::paragraphEnd;
using testing::plainParagraph;

// A paragraph of style 1 ("[no style intab]", no side margins) inside a table.
constexpr std::string_view inTable =
    "\\pard\\intbl\\s2\\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql\\fi0\\li0\\ri0\\sb0\\sa0 ";

class RtfTable : public ExportTest {
 protected:
  // A table 200 pixels (3000 twips) wide with equal percent columns and a spacing of 2 pixels.
  Embedded fixedTable(int rows, int columns) {
    Embedded table = embedTable(rows, columns);
    table.object.record().setU8(field::tableRelativeWidth, 0);
    table.object.record().setI16(field::tableWidth, 200);
    return table;
  }
  void setColumn(TZEBoggetto& table, int column, std::uint8_t mode, std::int16_t value) {
    table.record().setU8(field::tableColumnModes + column, mode);
    table.record().setI16(field::tableColumnValues + 2 * column, value);
  }
  static std::string cells(std::initializer_list<std::string_view> texts) {
    std::string markup;
    for (const std::string_view text : texts) markup += "<Z S1 >" + std::string(text) + "<T>";
    return markup;
  }
  static int count(const std::string& text, std::string_view part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  UnitConverter units{96};
};

TEST_F(RtfTable, ATwoByTwoTableHasTwoRowsOfTwoCells) {
  const auto table = fixedTable(2, 2);
  const std::string row = "\\trowd\\trleft0\\trgaph30\\cellx1500\\cellx3000 ";
  const std::string cell = std::string(inTable);
  EXPECT_EQ(bodyOf("<Z S0 >" + table.tag + cells({"a", "b", "c", "d"})),
            std::string(plainParagraph) + std::string(paragraphEnd) + row + cell + "a\\cell " + cell +
                "b\\cell \\row " + row + cell + "c\\cell " + cell + "d\\cell \\row " + std::string(plainParagraph) +
                std::string(paragraphEnd));
}

TEST_F(RtfTable, TheParagraphATableStandsInGoesOnAfterIt) {
  const auto table = fixedTable(1, 1);
  const std::string row = "\\trowd\\trleft0\\trgaph30\\cellx3000 ";
  EXPECT_EQ(bodyOf("<Z S0 >before" + table.tag + cells({"a"}) + "after<Z S0 >next"),
            std::string(plainParagraph) + "before" + std::string(paragraphEnd) + row + std::string(inTable) +
                "a\\cell \\row " + std::string(plainParagraph) + "after" + std::string(paragraphEnd) +
                std::string(plainParagraph) + "next" + std::string(paragraphEnd));
}

TEST_F(RtfTable, OnlyTheOutermostTableWritesRowsAndCells) {
  const auto outer = fixedTable(1, 2);
  const auto inner = fixedTable(2, 1);
  const std::string body =
      bodyOf("<Z S0 >" + outer.tag + "<Z S1 >x" + inner.tag + cells({"p", "q"}) + "<T>" + cells({"y"}));
  EXPECT_EQ(count(body, "\\trowd"), 1);
  EXPECT_EQ(count(body, "\\cell "), 2);
  EXPECT_EQ(count(body, "\\row "), 1);
  EXPECT_NE(body.find("x" + std::string(paragraphEnd) + std::string(inTable) + "p" + std::string(paragraphEnd) +
                      std::string(inTable) + "q\\cell " + std::string(inTable) + "y\\cell \\row "),
            std::string::npos)
      << body;
}

TEST_F(RtfTable, TablesWithoutCellTextsWriteNothingAndUnfinishedOnesCloseTheirRow) {
  const auto table = fixedTable(2, 2);
  const auto empty = fixedTable(0, 2);
  EXPECT_EQ(bodyOf("<Z S0 >a" + table.tag + "<@>b" + empty.tag + "c"),
            std::string(plainParagraph) + "abc" + std::string(paragraphEnd));
  EXPECT_EQ(bodyOf("<Z S0 >" + table.tag + "<Z S1 >a<T><Z S1 >b"),
            std::string(plainParagraph) + std::string(paragraphEnd) +
                "\\trowd\\trleft0\\trgaph30\\cellx1500\\cellx3000 " + std::string(inTable) + "a\\cell " +
                std::string(inTable) + "b\\cell \\row " + std::string(plainParagraph) + std::string(paragraphEnd));
}

TEST_F(RtfTable, BordersAndCellColoursAreWrittenPerCell) {
  const auto table = fixedTable(2, 2);
  table.object.record().setU8(field::tableBorderWidth, 1);  // 15 twips
  // Red, a picture code, then no more codes: the other cells are transparent.
  const std::uint8_t colours[] = {0xFF, 0, 0, 0, 0x01, 0, 0, 0x03};
  table.object.setPrimaryData(colours);
  const std::string border = "\\brdrs\\brdrw15";
  const std::string cellBorders =
      "\\clbrdrb" + border + "\\clbrdrt" + border + "\\clbrdrl" + border + "\\clbrdrr" + border;
  const std::string rowStart = "\\trowd\\trleft0\\trgaph30\\trbrdrt" + border + "\\trbrdrl" + border + "\\trbrdrb" +
                               border + "\\trbrdrr" + border + "\\trbrdrh" + border + "\\trbrdrv" + border + " ";
  const std::string body = bodyOf("<Z S0 >" + table.tag + cells({"a", "b", "c", "d"}));
  EXPECT_NE(body.find(rowStart + "\\clcbpat2" + cellBorders + "\\cellx1500" + cellBorders + "\\cellx3000 "),
            std::string::npos)
      << body;
  EXPECT_NE(body.find("\\row " + rowStart + cellBorders + "\\cellx1500" + cellBorders + "\\cellx3000 "),
            std::string::npos)
      << body;
}

TEST_F(RtfTable, BorderWidthsBecomeSingleOrThickBorders) {
  EXPECT_EQ(borderOf(0), "");
  EXPECT_EQ(borderOf(15), "\\brdrs\\brdrw15");
  EXPECT_EQ(borderOf(75), "\\brdrs\\brdrw75");
  EXPECT_EQ(borderOf(90), "\\brdrth\\brdrw45");
  EXPECT_EQ(borderOf(151), "\\brdrth\\brdrw75");
  EXPECT_EQ(borderOf(3825), "\\brdrth\\brdrw75");
}

TEST_F(RtfTable, TheTableWidthIsAShareOfThePageOrTheStoredWidth) {
  TZEBoggetto& table = embedTable(1, 1).object;
  table.record().setU8(field::tableWidthPercent, 50);
  EXPECT_EQ(tableWidthInTwips(table, units), 4535);
  table.record().setU8(field::tableWidthPercent, 150);
  EXPECT_EQ(tableWidthInTwips(table, units), 9071);
  table.record().setU8(field::tableRelativeWidth, 0);
  EXPECT_EQ(tableWidthInTwips(table, units), 4500);  // 300 pixels
  table.record().setI16(field::tableWidth, 0);
  EXPECT_EQ(tableWidthInTwips(table, units), 1000);
}

TEST_F(RtfTable, PercentColumnsShareTheWidthExactly) {
  TZEBoggetto& table = embedTable(1, 3).object;
  setColumn(table, 0, 0, 33);
  setColumn(table, 1, 0, 33);
  setColumn(table, 2, 0, 34);
  EXPECT_EQ(columnWidths(table, 9071, units), (std::vector<std::int64_t>{2993, 2993, 3085}));
  table.record().setU8(field::tableColumns, 2);
  setColumn(table, 0, 0, 50);
  setColumn(table, 1, 0, 50);
  EXPECT_EQ(columnWidths(table, 9071, units), (std::vector<std::int64_t>{4535, 4536}));
}

TEST_F(RtfTable, FixedAndAutomaticColumns) {
  TZEBoggetto& table = embedTable(1, 4).object;
  setColumn(table, 0, 1, 20);  // 300 twips
  setColumn(table, 1, 2, 0);
  setColumn(table, 2, 0, 50);
  setColumn(table, 3, 7, 0);  // an unknown mode counts as automatic
  EXPECT_EQ(columnWidths(table, 3000, units), (std::vector<std::int64_t>{300, 30, 1500, 1170}));
  // Nothing left over, and no width below 0.
  setColumn(table, 0, 1, -20);
  setColumn(table, 2, 0, 300);
  EXPECT_EQ(columnWidths(table, 3000, units), (std::vector<std::int64_t>{0, 30, 9000, 30}));
}

TEST_F(RtfTable, ColumnsBeyondTheFiftyTheRecordDescribesAreAutomatic) {
  TZEBoggetto& table = embedTable(1, 52).object;
  for (int c = 0; c < 50; ++c) setColumn(table, c, 0, 1);
  const std::vector<std::int64_t> widths = columnWidths(table, 10000, units);
  ASSERT_EQ(widths.size(), 52u);
  EXPECT_EQ(widths[49], 100);
  EXPECT_EQ(widths[50], 30);
  EXPECT_EQ(widths[51], 10000 - 5000 - 30);
}

}  // namespace
}  // namespace zeb
