// The table's column algorithm with cells of fixed behaviour, its record, colour codes,
// header sections and moves between cells.
#include "text/table_layout.h"

#include <gtest/gtest.h>

#include <climits>

#include "document/object_record.h"
#include "text/line_layout.h"

namespace zeb {
namespace {

// A cell holding text that wraps at any width down to its widest word: laid out at a width
// it is at least that wide and needs one 20-pixel line per `width` pixels of text.
struct FakeCell {
  int widestWord = 10;
  int textWidth = 10;
  // From this width on the cell comes out this much wider than it is asked to be (text
  // whose lines break differently can overflow more at a wider width).
  int overflowFrom = 0;
  int overflow = 0;
};

class FakeCells final : public TableCellSizer {
 public:
  FakeCells(int rows, int columns, FakeCell cell = {}) : columns_(columns), cells_(rows * columns, cell) {}
  FakeCell& at(int row, int column) { return cells_[static_cast<std::size_t>(row * columns_ + column)]; }

  Size layOut(int row, int column, int width) override {
    const FakeCell& cell = at(row, column);
    int laidOut = std::max({width, cell.widestWord, 20});
    if (cell.overflow > 0 && width >= cell.overflowFrom) laidOut += cell.overflow;
    ++layouts;
    return {laidOut, 20 * std::max(1, (cell.textWidth + laidOut - 1) / laidOut)};
  }
  void place(int, int, const CanvasRect&) override { ++placed; }

  int layouts = 0;
  int placed = 0;

 private:
  int columns_;
  std::vector<FakeCell> cells_;
};

TableDescription tableOf(int rows, std::vector<TableColumn> columns, int spacing) {
  TableDescription table;
  table.rows = rows;
  table.columns = static_cast<int>(columns.size());
  table.columnList = std::move(columns);
  table.spacing = spacing;
  return table;
}

constexpr TableColumn percent(int value) { return {ColumnMode::percent, value}; }
constexpr TableColumn pixels(int value) { return {ColumnMode::pixels, value}; }
constexpr TableColumn rest() { return {ColumnMode::rest, 0}; }

struct ColumnCase {
  const char* name;
  std::vector<TableColumn> columns;
  int width;
  int spacing;
  std::vector<FakeCell> firstRow;  // empty: every cell one short word
  std::vector<int> widths;
  int tableWidth;
};

class ColumnWidths : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnWidths, FollowTheColumnRules) {
  const ColumnCase& c = GetParam();
  const TableDescription table = tableOf(2, c.columns, c.spacing);
  FakeCells cells(2, table.columns);
  for (std::size_t i = 0; i < c.firstRow.size(); ++i) cells.at(0, static_cast<int>(i)) = c.firstRow[i];
  const TableGeometry geometry = layOutTable(table, c.width, cells);
  EXPECT_EQ(geometry.columnWidths, c.widths);
  EXPECT_EQ(geometry.width, c.tableWidth);
  // Every cell of a column has the column's width, the spacing before it.
  int x = c.spacing;
  for (std::size_t column = 0; column < c.widths.size(); ++column) {
    EXPECT_EQ(geometry.cells[column].left, x);
    EXPECT_EQ(geometry.cells[column].width(), c.widths[column]);
    EXPECT_EQ(geometry.cells[c.widths.size() + column].width(), c.widths[column]);
    x += c.widths[column] + c.spacing;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColumnWidths,
    ::testing::Values(
        // Free width 210 - 3 x 2 = 204, halved.
        ColumnCase{"TwoHalves", {percent(50), percent(50)}, 210, 2, {}, {102, 102}, 210},
        // 205 x 33 / 100 leaves 65 twice and 70 once: the carried remainders add two pixels,
        // the second when the carry reaches exactly 100, and the shares fill all 205.
        ColumnCase{"CarriedRemainders", {percent(33), percent(33), percent(34)}, 205, 0, {}, {67, 68, 70}, 205},
        // Percent columns share what a fixed column leaves.
        ColumnCase{"FixedAndPercent", {pixels(50), percent(100)}, 300, 2, {}, {50, 244}, 300},
        // A fixed column grows to a word that cannot wrap, and the percent share shrinks.
        ColumnCase{"FixedColumnGrows", {pixels(50), percent(100)}, 300, 2, {{80, 80}}, {80, 214}, 300},
        // Without percent columns the "*" column takes the rest.
        ColumnCase{"RestTakesTheRest", {pixels(50), rest()}, 300, 2, {}, {50, 244}, 300},
        // With one, it keeps the width of its content.
        ColumnCase{"RestBesidePercent", {percent(100), rest()}, 300, 2, {{10, 10}, {45, 45}}, {249, 45}, 300},
        // A second "*" column is as wide as its content.
        ColumnCase{"SecondRestIsFixed", {rest(), rest()}, 300, 2, {}, {264, 30}, 300},
        // The spacing alone is wider than the table: the free width is 10, and the cells
        // keep their smallest width.
        ColumnCase{"NegativeFreeWidth", {percent(50), percent(50)}, 5, 4, {}, {20, 20}, 52},
        // Percent values that add up to nothing share equally.
        ColumnCase{"NoPercentValues", {percent(0), percent(0)}, 104, 0, {}, {52, 52}, 104},
        // Fixed columns wider than the table leave the percent column its smallest width.
        ColumnCase{"FixedWiderThanTable", {pixels(500), percent(100)}, 300, 0, {}, {500, 20}, 520}),
    [](const ::testing::TestParamInfo<ColumnCase>& info) { return info.param.name; });

TEST(TableLayout, RowsAreAsHighAsTheirHighestCellAndCellsTakeThatHeight) {
  const TableDescription table = tableOf(2, {percent(50), percent(50)}, 2);
  FakeCells cells(2, 2);
  cells.at(0, 1).textWidth = 250;  // three lines at 102
  const TableGeometry geometry = layOutTable(table, 210, cells);
  EXPECT_EQ(geometry.rowHeights, (std::vector<int>{60, 20}));
  EXPECT_EQ(geometry.cells[0], (CanvasRect{2, 2, 104, 62}));
  EXPECT_EQ(geometry.cells[1], (CanvasRect{106, 2, 208, 62}));
  EXPECT_EQ(geometry.cells[2], (CanvasRect{2, 64, 104, 84}));
  EXPECT_EQ(geometry.height, 2 + 60 + 2 + 20 + 2);
  EXPECT_EQ(cells.placed, 4);
}

TEST(TableLayout, CellsThatKeepTheirWidthAreOnlyMoved) {
  // Percent cells are laid out once; fixed cells at their value, and again only those that
  // came out narrower than the column.
  FakeCells percentCells(3, 2);
  EXPECT_EQ(layOutTable(tableOf(3, {percent(50), percent(50)}, 2), 210, percentCells).cellLayouts, 6);
  FakeCells fixedCells(2, 1);
  fixedCells.at(0, 0) = {60, 60};
  EXPECT_EQ(layOutTable(tableOf(2, {pixels(40)}, 2), 210, fixedCells).cellLayouts, 3);
}

TEST(TableLayout, ACellThatComesOutWiderAtItsColumnsWidthWidensTheWholeColumn) {
  // Both columns get 52. The lower cell of column 0 needs 56, so the upper one is laid out
  // again at 56, where it comes out 64: the lower one, left at 56, takes the column's 64 too.
  const TableDescription table = tableOf(2, {percent(50), percent(50)}, 2);
  FakeCells cells(2, 2);
  cells.at(0, 0) = {40, 40, 55, 8};
  cells.at(1, 0) = {56, 56};
  const TableGeometry geometry = layOutTable(table, 110, cells);
  EXPECT_EQ(geometry.columnWidths, (std::vector<int>{64, 52}));
  EXPECT_EQ(geometry.cells[2], (CanvasRect{2, 24, 66, 44}));
  EXPECT_EQ(geometry.cells[3].left, geometry.cells[1].left);
  EXPECT_EQ(geometry.width, 2 + 64 + 2 + 52 + 2);
}

TEST(TableLayout, AThousandColumnsAndHugeSizesStayWithinTheLimits) {
  std::vector<TableColumn> columns(1000, percent(1));
  FakeCells cells(1, 1000);
  const TableGeometry many = layOutTable(tableOf(1, columns, 1), 30000, cells);
  EXPECT_EQ(many.cells.size(), 1000u);
  EXPECT_EQ(many.columnWidths.front(), 28);  // (30000 - 1001) / 1000, the remainders carried
  EXPECT_EQ(many.width, 30000);

  FakeCells huge(1, 2);
  const TableGeometry wide = layOutTable(tableOf(1, {pixels(32767), percent(INT_MAX)}, 255), INT_MAX, huge);
  EXPECT_LE(wide.width, limits::maxCoordinate);
  EXPECT_GT(wide.columnWidths[1], 0);

  FakeCells none(0, 0);
  EXPECT_EQ(layOutTable(tableOf(0, {}, 2), 300, none).cells.size(), 0u);
}

TEST(TableDescription, ReadsTheRecordWithDefaultsForColumnsItDoesNotDescribe) {
  ObjectRecord record;
  record.setU8(field::tableRows, 3);
  record.setU8(field::tableColumns, 60);
  record.setU8(field::tableColumnModes, 0);
  record.setI16(field::tableColumnValues, 40);
  record.setU8(field::tableColumnModes + 1, 2);
  record.setU8(field::tableColumnModes + 2, 9);  // unknown: a fixed column
  record.setI16(field::tableColumnValues + 4, -5);
  record.setU8(field::tableCellSpacing, 3);
  record.setI16(field::tableWidth, -1);
  const TableDescription table = TableDescription::of(record);
  EXPECT_EQ(table.rows, 3);
  ASSERT_EQ(table.columnList.size(), 60u);
  EXPECT_EQ(table.columnList[0], percent(40));
  EXPECT_EQ(table.columnList[1].mode, ColumnMode::rest);
  EXPECT_EQ(table.columnList[2], pixels(0));
  EXPECT_EQ(table.columnList[55], pixels(0));
  EXPECT_EQ(table.spacing, 3);
  EXPECT_EQ(table.storedWidth, TableDescription::defaultWidth);
}

TEST(TableDescription, TheWidthIsAPercentOfTheOfferedWidthOrTheStoredOne) {
  TableDescription table;
  table.relativeWidth = true;
  table.widthPercent = 50;
  EXPECT_EQ(table.widthFor(220), 110);
  table.widthPercent = 150;
  EXPECT_EQ(table.widthFor(220), 220);
  table.relativeWidth = false;
  table.storedWidth = 180;
  EXPECT_EQ(table.widthFor(220), 180);
  EXPECT_EQ(table.widthFor(220, 29), 180);
  EXPECT_EQ(table.widthFor(220, 30), 30);
}

TEST(TableColours, CodesNameColoursPicturesOrNothing) {
  EXPECT_EQ(cellBackgroundOf(0x00123456), (CellBackground{CellBackground::Kind::colour, 0x123456, -1}));
  EXPECT_EQ(cellBackgroundOf(0x01FFFFFF), (CellBackground{CellBackground::Kind::colour, 0xFFFFFF, -1}));
  EXPECT_EQ(cellBackgroundOf(0x02000000).kind, CellBackground::Kind::transparent);
  EXPECT_EQ(cellBackgroundOf(0x03000005), (CellBackground{CellBackground::Kind::picture, 0, 5}));
  EXPECT_EQ(cellBackgroundOf(0xFFFFFFFF).kind, CellBackground::Kind::transparent);
  // Six bytes for three cells: one code, the rest see-through.
  EXPECT_EQ(cellColourCodes({0x11, 0x22, 0x33, 0x00, 0x44, 0x55}, 3),
            (std::vector<std::uint32_t>{0x332211, 0xFFFFFFFF, 0xFFFFFFFF}));
  EXPECT_EQ(cellColourCodes({1, 0, 0, 0, 2, 0, 0, 0}, 1), (std::vector<std::uint32_t>{1}));
}

TEST(TableHeader, SectionsShowEachColumnsRuleAndAreAtLeastTenWide) {
  TableDescription table = tableOf(1, {percent(50), pixels(80), rest(), pixels(0)}, 2);
  TableGeometry geometry;
  geometry.columnWidths = {100, 90, 120, 5};
  EXPECT_EQ(headerSections(table, geometry),
            (std::vector<HeaderSection>{{"50%", 102}, {"80", 92}, {"* (120)", 122}, {"0", 10}}));
}

TEST(TableCellMoves, WrapAtRowEndsAndGiveNothingOutsideTheGrid) {
  EXPECT_EQ(neighbourCell(2, 3, {1, 0}, CellMove::previous), (CellIndex{0, 2}));
  EXPECT_EQ(neighbourCell(2, 3, {0, 2}, CellMove::next), (CellIndex{1, 0}));
  EXPECT_EQ(neighbourCell(2, 3, {0, 0}, CellMove::previous), std::nullopt);
  EXPECT_EQ(neighbourCell(2, 3, {1, 2}, CellMove::next), std::nullopt);
  EXPECT_EQ(neighbourCell(2, 3, {1, 1}, CellMove::above), (CellIndex{0, 1}));
  EXPECT_EQ(neighbourCell(2, 3, {1, 1}, CellMove::below), std::nullopt);
  EXPECT_EQ(neighbourCell(2, 3, {0, 1}, CellMove::below), (CellIndex{1, 1}));
  EXPECT_EQ(neighbourCell(2, 3, {0, 0}, CellMove::last), (CellIndex{1, 2}));
  EXPECT_EQ(neighbourCell(2, 3, {1, 2}, CellMove::first), (CellIndex{0, 0}));
  EXPECT_EQ(neighbourCell(2, 3, {0, 0}, CellMove::firstOfLastRow), (CellIndex{1, 0}));
  EXPECT_EQ(neighbourCell(2, 3, {2, 0}, CellMove::above), std::nullopt);
  EXPECT_EQ(neighbourCell(2, 3, {0, -1}, CellMove::next), std::nullopt);
  EXPECT_EQ(neighbourCell(0, 3, {0, 0}, CellMove::first), std::nullopt);
}

}  // namespace
}  // namespace zeb
