// TMyyTableP: a table printed as a grid of cell flows, its columns sharing out the table's
// width as the table on the screen does, its lengths in printer pixels. A table taller than
// what is left of a sheet goes on over the next sheets, each cell line on the sheet that
// holds its top.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "shell/print/print_box.h"
#include "shell/print/printual.h"
#include "text/table_cells.h"

namespace zeb {

class TMyyTableP final : public TMyyPrintual {
 public:
  // A table without cell texts is this many screen pixels high.
  static constexpr int emptyScreenHeight = 20;

  TMyyTableP(TZEBoggetto& table, TZEBbox& box, const PrintScale& scale);
  ~TMyyTableP() override;

  // The cell texts are read by the screen's table reader, with the printer's measurements.
  TableCells* tableCells() override { return &cells_; }
  int rows() const { return cells_.rows(); }
  int columns() const { return cells_.columns(); }
  // Row by row, once the table was laid out.
  const std::vector<std::unique_ptr<TZEBboxP>>& cellBoxes() const { return cellBoxes_; }
  PrintBackground& Background() { return background_; }

  // Lays the cells out for the width the line offers.
  void fitWidth(int offeredWidth) override;
  // The table's background and every cell's (with the table-background option), the cells'
  // text and the borders: what meets the window.
  void Print(const PrintSheet& sheet, const CanvasRect& window) override;
  bool continuesOverSheets() const override { return true; }

 private:
  void makeCellBoxes();

  const PrintScale& scale_;
  TableCells cells_;
  std::vector<std::unique_ptr<TZEBboxP>> cellBoxes_;
  PrintBackground background_;
  int border_ = 0;  // printer pixels across; down is converted alike
  int borderDown_ = 0;
  Colour highlight_ = 0;
  Colour shadow_ = 0;
};

}  // namespace zeb
