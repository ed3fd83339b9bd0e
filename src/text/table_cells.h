// TableCells: a table embedded in a text, as a grid of cell text boxes read from the text
// that follows the table's tag, laid out by the table's column rules (table_layout.h). The
// table hosts its cells: a cell brings an area into view, asks for repaints and hands on
// caret movements through it, and it adds its own place in the box around.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "text/box_host.h"
#include "text/embedded_object.h"
#include "text/markup_stream.h"
#include "text/table_layout.h"

namespace zeb {

class TZEBbox;
class TZEBtesto;

class TableCells final : public EmbeddedObject, public BoxHost {
 public:
  // Cells are read this wide before the table is laid out.
  static constexpr int readingWidth = 3000;
  // A table without cell texts is this high.
  static constexpr int emptyTableHeight = 20;

  TableCells(TZEBoggetto& table, TZEBbox& box);
  ~TableCells() override;

  TZEBbox& box() const { return *box_; }
  const TableDescription& description() const { return description_; }
  int rows() const { return description_.rows; }
  int columns() const { return description_.columns; }
  // Row by row; empty until the cell texts were read (a table tag followed by "<@>").
  const std::vector<std::unique_ptr<TZEBbox>>& cells() const { return cells_; }
  TZEBbox* cell(int row, int column) const;
  // The grid place of one of the table's cells; none for another box.
  std::optional<CellIndex> indexOf(const TZEBbox& cell) const;
  // The cell whose rectangle (table coordinates) holds the point; none between cells.
  std::optional<CellIndex> cellAt(int x, int y) const;
  // The colour code of each cell, row by row, from the table's data.
  const std::vector<std::uint32_t>& colourCodes() const { return colourCodes_; }
  const TableGeometry& geometry() const { return geometry_; }

  // Reads rows x columns cell texts, row by row, each up to its "<T>". Nothing is read
  // when the load's limits on nesting or cells are reached.
  void readCells(MarkupStream& stream, TZEBtesto* source, ReadBudget& budget);

  // Lays the cells out again only when the width offered changed.
  void fitWidth(int offeredWidth) override;
  // Lays the cells out for the width offered whatever was laid out before.
  void layOut(int offeredWidth);
  int width() const override { return width_; }
  int height() const override { return height_; }
  TableCells* tableCells() override { return this; }

  // BoxHost, for the cells.
  int clientWidth() const override;
  int clientHeight() const override;
  void makeVisible(TZEBbox& cell, const CanvasRect& area) override;
  void invalidate(const TZEBbox& cell, const CanvasRect& area) override;
  void caretMoved(TZEBbox& moved) override;
  TZEBbox* leaveBox(TZEBbox& cell, LeaveDirection direction) override;
  FrameSetLink* frameSet() const override;

 private:
  class Sizer;

  TZEBbox* box_;  // the box the table's tag stands in; not owned
  TableDescription description_;
  std::vector<std::uint32_t> colourCodes_;
  TableGeometry geometry_;
  std::optional<int> laidOutFor_;
  int width_;
  int height_;
  std::vector<std::unique_ptr<TZEBbox>> cells_;
};

}  // namespace zeb
