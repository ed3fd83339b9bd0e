// TableCells: a table embedded in a text, as a grid of cell text boxes read from the text
// that follows the table's tag. Its sizing is a plain stand-in (equal columns) until the
// table control with its column rules takes over.
#pragma once

#include <memory>
#include <vector>

#include "text/embedded_object.h"
#include "text/markup_stream.h"

namespace zeb {

class TZEBbox;
class TZEBtesto;

class TableCells final : public EmbeddedObject {
 public:
  // Cells are read this wide before the table is laid out.
  static constexpr int readingWidth = 3000;

  TableCells(TZEBoggetto& table, TZEBbox& box);
  ~TableCells() override;

  int rows() const { return rows_; }
  int columns() const { return columns_; }
  // Row by row; empty until the cell texts were read (a table tag followed by "<@>").
  const std::vector<std::unique_ptr<TZEBbox>>& cells() const { return cells_; }
  TZEBbox* cell(int row, int column) const;

  // Reads rows x columns cell texts, row by row, each up to its "<T>". Nothing is read
  // when the load's limits on nesting or cells are reached.
  void readCells(MarkupStream& stream, TZEBtesto* source, ReadBudget& budget);

  void fitWidth(int offeredWidth) override;
  int width() const override { return width_; }
  int height() const override { return height_; }
  TableCells* tableCells() override { return this; }

 private:
  TZEBbox* box_;  // the box the table's tag stands in; not owned
  int rows_;
  int columns_;
  int width_;
  int height_;
  std::vector<std::unique_ptr<TZEBbox>> cells_;
};

}  // namespace zeb
