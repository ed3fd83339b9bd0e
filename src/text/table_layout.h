// The arithmetic of a table: what its record says (columns, spacing, inset, borders, width,
// colour codes), the column algorithm that sizes and places its cells, the sections of its
// header control, and moving between cells.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/font.h"

namespace zeb {

class ObjectRecord;

namespace limits {
// The record holds a mode and a value for this many columns; further columns are fixed
// columns as wide as their content, like a freshly made column.
inline constexpr int maxDescribedColumns = 50;
}  // namespace limits

// How a column takes its width: a percent share of the free width, a width in pixels, or
// the rest of the table ("*").
enum class ColumnMode : std::uint8_t { percent = 0, pixels = 1, rest = 2 };

struct TableColumn {
  ColumnMode mode = ColumnMode::pixels;
  int value = 0;  // percent or pixels by the mode, never negative
  bool operator==(const TableColumn&) const = default;
};

// What a table's record says about its grid and its look.
struct TableDescription {
  // The table's width when its record stores none.
  static constexpr int defaultWidth = 300;
  // A width set for the table counts only from this size on.
  static constexpr int minimumSetWidth = 30;

  int rows = 0;
  int columns = 0;
  std::vector<TableColumn> columnList;  // one per column
  int spacing = 0;                      // between cells and around the grid
  int inset = 0;                        // around each cell's content
  int border = 0;                       // 0 draws no borders
  bool relativeWidth = false;
  int widthPercent = 100;
  int storedWidth = defaultWidth;
  std::uint32_t colourCode = 0xFFFFFFFF;  // the table's own background code
  Colour highlightColour = 0;             // the light side of the borders
  Colour shadowColour = 0;                // the dark side

  static TableDescription of(const ObjectRecord& record);
  // The width the table takes when offered that width: a percent of it when relative (all of
  // it above 100 percent), else the stored width or the width last set for it (at least 30).
  int widthFor(int offeredWidth, int setWidth = 0) const;
};

// A background colour code of a table or cell: an RGB colour below 0x2000000, a picture
// (kind-5 index in the low 24 bits) from 0x3000000 to 0x3FFFFFF, anything else see-through.
struct CellBackground {
  enum class Kind : std::uint8_t { transparent, colour, picture };
  Kind kind = Kind::transparent;
  Colour colour = 0;
  std::int32_t pictureIndex = -1;
  bool operator==(const CellBackground&) const = default;
};
CellBackground cellBackgroundOf(std::uint32_t code);
// The cells' codes from the table's data, row by row; missing codes are see-through, extra
// bytes are ignored.
std::vector<std::uint32_t> cellColourCodes(const std::vector<std::uint8_t>& data, int cellCount);

// The layout's view of the cells: laying one out at a width (it may come out wider, holding
// what cannot wrap) and placing it.
class TableCellSizer {
 public:
  struct Size {
    int width = 0;
    int height = 0;
  };
  virtual ~TableCellSizer() = default;
  virtual Size layOut(int row, int column, int width) = 0;
  virtual void place(int row, int column, const CanvasRect& bounds) = 0;
  // A row the layout will reach soon: the sizer may ask for its cells' memory ahead, in
  // steps (a cell's box for the row after next, what the box points to for the next).
  virtual void comingRow(int /*row*/, int /*rowsAhead*/) {}
};

struct TableGeometry {
  int width = 0;
  int height = 0;
  std::vector<int> columnWidths;
  std::vector<int> rowHeights;
  std::vector<CanvasRect> cells;  // row by row, in table coordinates
  // The cell layouts that were run; a cell whose width stays is only moved.
  std::int64_t cellLayouts = 0;
};

// Lays the cells out for the table width W and places them:
//  1. the free width F is W less the spacing around and between the columns (10 when that
//     is negative);
//  2. the cells of pixel and "*" columns are laid out at the column's value (30 for "*"),
//     and the column takes the widest result;
//  3. row by row, percent columns share what the other columns leave of F, the remainders
//     carried from column to column so that the shares add up exactly;
//  4. every column takes the width of its widest cell; the "*" column then takes what is
//     left of F when that is more;
//  5. each row is as high as its highest cell; cells are placed with the spacing between
//     them, and the table is as large as the grid with the spacing around it.
// Only the first "*" column takes the rest; later ones are sized like pixel columns.
TableGeometry layOutTable(const TableDescription& table, int tableWidth, TableCellSizer& cells);

// The texts and widths of the header control's sections, one per column: the percent
// followed by "%", the pixels of a fixed column, "* (" + pixels + ")" for the "*" column.
struct HeaderSection {
  std::string text;
  int width = 0;
  bool operator==(const HeaderSection&) const = default;
};
std::vector<HeaderSection> headerSections(const TableDescription& table, const TableGeometry& geometry);

// Moving between the cells of a rows x columns grid; none outside the grid.
struct CellIndex {
  int row = 0;
  int column = 0;
  bool operator==(const CellIndex&) const = default;
};
enum class CellMove { previous, next, above, below, first, last, firstOfLastRow };
std::optional<CellIndex> neighbourCell(int rows, int columns, CellIndex from, CellMove move);

}  // namespace zeb
