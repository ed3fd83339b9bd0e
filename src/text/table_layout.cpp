// The table's column algorithm, its record, colour codes, header sections and cell moves.
#include "text/table_layout.h"

#include <algorithm>

#include "document/object_kinds.h"
#include "document/object_record.h"
#include "text/line_layout.h"

namespace zeb {
namespace {

// The width a "*" column's cells are first laid out at.
constexpr int restColumnStartWidth = 30;
// The free width when the spacing alone is wider than the table.
constexpr int freeWidthWhenNegative = 10;
// No header section is narrower.
constexpr int minimumSectionWidth = 10;
// Colour codes: the ranges of the code's value.
constexpr std::uint32_t colourCodeEnd = 0x2000000;
constexpr std::uint32_t pictureCodeStart = 0x3000000;
constexpr std::uint32_t pictureCodeEnd = 0x4000000;

int clampedWidth(std::int64_t width) { return std::clamp<std::int64_t>(width, 0, limits::maxCoordinate); }

// Cell states while the algorithm runs: the width each cell was last laid out at and what
// came out, so that a cell asked for the same width again is not laid out again.
class CellStates {
 public:
  CellStates(int rows, int columns, TableCellSizer& sizer)
      : columns_(columns), sizer_(sizer), states_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns)) {}

  const TableCellSizer::Size& size(int row, int column) const { return at(row, column).result; }
  // Lays the cell out at the width, unless it has that width already or was laid out at it
  // last: then it is only moved.
  const TableCellSizer::Size& give(int row, int column, int width) {
    State& state = at(row, column);
    if (state.laidOut && (state.asked == width || state.result.width == width)) return state.result;
    state.asked = width;
    state.laidOut = true;
    state.result = sizer_.layOut(row, column, width);
    ++layouts_;
    return state.result;
  }
  std::int64_t layouts() const { return layouts_; }
  // The width of each column's widest cell as the cells came out.
  std::vector<int> widestPerColumn() const {
    std::vector<int> widest(static_cast<std::size_t>(columns_), 0);
    for (std::size_t i = 0; i < states_.size(); ++i) {
      int& column = widest[i % static_cast<std::size_t>(columns_)];
      column = std::max(column, states_[i].result.width);
    }
    return widest;
  }
  TableCellSizer& sizer() { return sizer_; }
  // Tells the sizer of the rows one and two ahead of the row about to be laid out.
  void approach(int row, int rows) {
    for (int ahead = 1; ahead <= 2; ++ahead)
      if (row + ahead < rows) sizer_.comingRow(row + ahead, ahead);
  }

 private:
  struct State {
    bool laidOut = false;
    int asked = 0;
    TableCellSizer::Size result;
  };
  State& at(int row, int column) {
    return states_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                   static_cast<std::size_t>(column)];
  }
  const State& at(int row, int column) const {
    return states_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                   static_cast<std::size_t>(column)];
  }

  int columns_;
  TableCellSizer& sizer_;
  std::vector<State> states_;
  std::int64_t layouts_ = 0;
};

// Gives each percent column (its width -1 so far) its share of what the other columns leave
// of the free width, the remainders carried from column to column so that the shares add up
// to it exactly. Percents that add up to nothing share equally.
void sharePercentColumns(const TableDescription& table, int columns, std::int64_t free, std::vector<int>& widths) {
  std::int64_t percentSum = 0;
  std::int64_t othersSum = 0;
  int percentColumns = 0;
  for (int c = 0; c < columns; ++c) {
    if (widths[static_cast<std::size_t>(c)] >= 0) {
      othersSum += widths[static_cast<std::size_t>(c)];
    } else {
      percentSum += table.columnList[static_cast<std::size_t>(c)].value;
      ++percentColumns;
    }
  }
  const std::int64_t shared = std::max<std::int64_t>(free - othersSum, 0);
  const std::int64_t divisor = percentSum > 0 ? percentSum : percentColumns;
  std::int64_t carried = 0;
  for (int c = 0; c < columns; ++c) {
    if (widths[static_cast<std::size_t>(c)] >= 0) continue;
    const std::int64_t value = percentSum > 0 ? table.columnList[static_cast<std::size_t>(c)].value : 1;
    std::int64_t width = shared * value / divisor;
    carried += shared * value % divisor;
    if (carried >= divisor) {
      ++width;
      carried -= divisor;
    }
    widths[static_cast<std::size_t>(c)] = clampedWidth(width);
  }
}

// Rows as high as their highest cell, cells placed with the spacing between them, each as
// wide as its column; the table as large as the grid with the spacing around it. Each row is
// first prepared (its cells given their widths), so that a row's cells are laid out and
// placed while they are at hand.
template <typename PrepareRow>
void placeRows(CellStates& cells, int rows, int columns, std::int64_t spacing, TableGeometry& geometry,
               PrepareRow prepareRow) {
  geometry.rowHeights.assign(static_cast<std::size_t>(rows), 0);
  geometry.cells.clear();
  geometry.cells.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
  std::int64_t y = spacing;
  std::int64_t x = spacing;
  for (int r = 0; r < rows; ++r) {
    cells.approach(r, rows);
    prepareRow(r);
    int height = 0;
    for (int c = 0; c < columns; ++c) height = std::max(height, cells.size(r, c).height);
    geometry.rowHeights[static_cast<std::size_t>(r)] = height;
    x = spacing;
    for (int c = 0; c < columns; ++c) {
      const int width = geometry.columnWidths[static_cast<std::size_t>(c)];
      const CanvasRect bounds{saturated(x), saturated(y), saturated(x + width), saturated(y + height)};
      cells.sizer().place(r, c, bounds);
      geometry.cells.push_back(bounds);
      x += width + spacing;
    }
    y += height + spacing;
  }
  geometry.width = saturated(x);
  geometry.height = saturated(y);
}

}  // namespace

TableDescription TableDescription::of(const ObjectRecord& record) {
  TableDescription table;
  table.rows = record.u8(field::tableRows);
  table.columns = record.u8(field::tableColumns);
  for (int column = 0; column < table.columns; ++column) {
    TableColumn described;
    if (column < limits::maxDescribedColumns) {
      const std::uint8_t mode = record.u8(field::tableColumnModes + column);
      described.mode = mode <= 2 ? static_cast<ColumnMode>(mode) : ColumnMode::pixels;
      described.value = std::max<int>(0, record.i16(field::tableColumnValues + 2 * column));
    }
    table.columnList.push_back(described);
  }
  table.spacing = record.u8(field::tableCellSpacing);
  table.inset = record.u8(field::tableCellInset);
  table.border = record.u8(field::tableBorderWidth);
  table.relativeWidth = record.u8(field::tableRelativeWidth) != 0;
  table.widthPercent = record.u8(field::tableWidthPercent);
  const int stored = record.i16(field::tableWidth);
  table.storedWidth = stored > 0 ? stored : defaultWidth;
  table.colourCode = record.u32(field::tableColour);
  table.highlightColour = record.u32(field::tableHighlightColour);
  table.shadowColour = record.u32(field::tableShadowColour);
  return table;
}

int TableDescription::widthFor(int offeredWidth, int setWidth) const {
  const int offered = clampedWidth(offeredWidth);
  if (relativeWidth) return widthPercent > 100 ? offered : clampedWidth(std::int64_t{offered} * widthPercent / 100);
  return setWidth >= minimumSetWidth ? clampedWidth(setWidth) : storedWidth;
}

CellBackground cellBackgroundOf(std::uint32_t code) {
  CellBackground background;
  if (code < colourCodeEnd) {
    background.kind = CellBackground::Kind::colour;
    background.colour = code & 0xFFFFFFu;
  } else if (code >= pictureCodeStart && code < pictureCodeEnd) {
    background.kind = CellBackground::Kind::picture;
    background.pictureIndex = static_cast<std::int32_t>(code & 0xFFFFFFu);
  }
  return background;
}

std::vector<std::uint32_t> cellColourCodes(const std::vector<std::uint8_t>& data, int cellCount) {
  std::vector<std::uint32_t> codes(static_cast<std::size_t>(std::max(cellCount, 0)), 0xFFFFFFFFu);
  const std::size_t stored = std::min(codes.size(), data.size() / 4);
  for (std::size_t i = 0; i < stored; ++i) {
    codes[i] = std::uint32_t{data[4 * i]} | std::uint32_t{data[4 * i + 1]} << 8 | std::uint32_t{data[4 * i + 2]} << 16 |
               std::uint32_t{data[4 * i + 3]} << 24;
  }
  return codes;
}

TableGeometry layOutTable(const TableDescription& table, int tableWidth, TableCellSizer& sizer) {
  const int rows = std::max(table.rows, 0);
  const int columns = std::min(std::max(table.columns, 0), static_cast<int>(table.columnList.size()));
  const std::int64_t spacing = table.spacing;
  CellStates cells(rows, columns, sizer);
  // Cells are visited row by row: a row's cells lie together in memory.
  auto giveEveryCell = [&](const std::vector<int>& widths) {
    for (int r = 0; r < rows; ++r) {
      cells.approach(r, rows);
      for (int c = 0; c < columns; ++c)
        if (widths[static_cast<std::size_t>(c)] >= 0) cells.give(r, c, widths[static_cast<std::size_t>(c)]);
    }
  };

  std::int64_t free = std::int64_t{clampedWidth(tableWidth)} - (columns + 1) * spacing;
  if (free < 0) free = freeWidthWhenNegative;
  int restColumn = -1;
  for (int c = 0; c < columns && restColumn < 0; ++c)
    if (table.columnList[static_cast<std::size_t>(c)].mode == ColumnMode::rest) restColumn = c;

  // Pixel and "*" columns: laid out at the column's value (30 for "*"), they take the width
  // of their widest cell.
  std::vector<int> widths(static_cast<std::size_t>(columns), -1);
  for (int c = 0; c < columns; ++c) {
    const TableColumn& column = table.columnList[static_cast<std::size_t>(c)];
    if (column.mode == ColumnMode::pixels) widths[static_cast<std::size_t>(c)] = clampedWidth(column.value);
    if (column.mode == ColumnMode::rest) widths[static_cast<std::size_t>(c)] = restColumnStartWidth;
  }
  giveEveryCell(widths);
  const std::vector<int> widest = cells.widestPerColumn();
  for (int c = 0; c < columns; ++c)
    if (widths[static_cast<std::size_t>(c)] >= 0)
      widths[static_cast<std::size_t>(c)] = widest[static_cast<std::size_t>(c)];

  // Percent columns share what the others leave.
  sharePercentColumns(table, columns, free, widths);
  giveEveryCell(widths);

  // Every column as wide as its widest cell; the "*" column then takes the rest when more.
  widths = cells.widestPerColumn();
  std::int64_t left = free;
  for (int c = 0; c < columns; ++c)
    if (c != restColumn) left -= widths[static_cast<std::size_t>(c)];
  if (restColumn >= 0 && widths[static_cast<std::size_t>(restColumn)] < left)
    widths[static_cast<std::size_t>(restColumn)] = clampedWidth(left);
  // The cells are given these widths row by row as the rows are placed. A cell laid out
  // again can come out wider than before (its lines break differently): its column then
  // takes its width, and the rows are placed again.
  TableGeometry geometry;
  geometry.columnWidths = widths;
  placeRows(cells, rows, columns, spacing, geometry, [&](int r) {
    for (int c = 0; c < columns; ++c) cells.give(r, c, widths[static_cast<std::size_t>(c)]);
  });
  if (const std::vector<int> widest = cells.widestPerColumn(); widest != geometry.columnWidths) {
    geometry.columnWidths = widest;
    placeRows(cells, rows, columns, spacing, geometry, [](int) {});
  }
  geometry.cellLayouts = cells.layouts();
  return geometry;
}

std::vector<HeaderSection> headerSections(const TableDescription& table, const TableGeometry& geometry) {
  std::vector<HeaderSection> sections;
  bool restSeen = false;
  for (std::size_t c = 0; c < table.columnList.size() && c < geometry.columnWidths.size(); ++c) {
    const TableColumn& column = table.columnList[c];
    const int width = geometry.columnWidths[c];
    HeaderSection section;
    if (column.mode == ColumnMode::percent) {
      section.text = std::to_string(column.value) + "%";
    } else if (column.mode == ColumnMode::rest && !restSeen) {
      section.text = "* (" + std::to_string(width) + ")";
      restSeen = true;
    } else {
      section.text = std::to_string(column.mode == ColumnMode::pixels ? column.value : width);
    }
    section.width = std::max(minimumSectionWidth, saturated(std::int64_t{width} + table.spacing));
    sections.push_back(std::move(section));
  }
  return sections;
}

std::optional<CellIndex> neighbourCell(int rows, int columns, CellIndex from, CellMove move) {
  if (rows <= 0 || columns <= 0) return std::nullopt;
  const bool inside = from.row >= 0 && from.row < rows && from.column >= 0 && from.column < columns;
  switch (move) {
    case CellMove::first: return CellIndex{0, 0};
    case CellMove::last: return CellIndex{rows - 1, columns - 1};
    case CellMove::firstOfLastRow: return CellIndex{rows - 1, 0};
    default: break;
  }
  if (!inside) return std::nullopt;
  switch (move) {
    case CellMove::previous:
      if (from.column > 0) return CellIndex{from.row, from.column - 1};
      if (from.row > 0) return CellIndex{from.row - 1, columns - 1};
      return std::nullopt;
    case CellMove::next:
      if (from.column + 1 < columns) return CellIndex{from.row, from.column + 1};
      if (from.row + 1 < rows) return CellIndex{from.row + 1, 0};
      return std::nullopt;
    case CellMove::above:
      if (from.row > 0) return CellIndex{from.row - 1, from.column};
      return std::nullopt;
    case CellMove::below:
      if (from.row + 1 < rows) return CellIndex{from.row + 1, from.column};
      return std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace zeb
