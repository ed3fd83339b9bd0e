// Tables on paper: the grid of cells for the printed width, and printing what of it meets
// a sheet. The columns take their widths by the same rules as on the screen, their lengths
// in printer pixels.
#include "shell/print/table_print.h"

#include <algorithm>

#include "document/book_object.h"
#include "document/container.h"
#include "text/line_layout.h"
#include "text/text_box.h"

namespace zeb {
namespace {

// The width, in screen pixels, of a table whose record stores none.
constexpr int defaultScreenWidth = 300;

// The table's rules with its lengths in printer pixels across: the widths of fixed columns
// and the spacing.
TableDescription printedDescription(const ObjectRecord& record, const PrintScale& scale) {
  TableDescription table = TableDescription::of(record);
  for (TableColumn& column : table.columnList)
    if (column.mode == ColumnMode::pixels) column.value = std::max(0, scale.horizontal(column.value));
  table.spacing = std::max(0, scale.horizontal(table.spacing));
  return table;
}

// Lays a printed cell out at a width; the table places the cells itself, rows going down by
// the spacing in printer pixels down.
class CellSizer final : public TableCellSizer {
 public:
  CellSizer(const std::vector<std::unique_ptr<TZEBboxP>>& cells, int columns) : cells_(cells), columns_(columns) {}

  Size layOut(int row, int column, int width) override {
    TZEBbox& cell = cells_[static_cast<std::size_t>(row * columns_ + column)]->box();
    cell.setLayoutWidth(width);
    cell.FitHosted(cell.Left(), cell.Top());
    return {cell.Width(), cell.Height()};
  }
  void place(int, int, const CanvasRect&) override {}

 private:
  const std::vector<std::unique_ptr<TZEBboxP>>& cells_;
  int columns_;
};

}  // namespace

TMyyTableP::TMyyTableP(TZEBoggetto& table, TZEBbox& box, const PrintScale& scale)
    : TMyyPrintual(table), scale_(scale), cells_(table, box) {
  const ObjectRecord& record = table.record();
  border_ = scale.horizontal(record.u8(field::tableBorderWidth));
  borderDown_ = scale.vertical(record.u8(field::tableBorderWidth));
  highlight_ = record.u32(field::tableHighlightColour);
  shadow_ = record.u32(field::tableShadowColour);
  background_ = PrintBackground::ofCode(box.set(), record.u32(field::tableColour));
  const int stored = record.i16(field::tableWidth);
  setSize(scale.horizontal(stored > 0 ? stored : defaultScreenWidth), scale.vertical(emptyScreenHeight));
}

TMyyTableP::~TMyyTableP() = default;

void TMyyTableP::makeCellBoxes() {
  if (!cellBoxes_.empty() || cells_.cells().empty()) return;
  // The codes the table read, one per cell; cells they do not reach have no background.
  const std::vector<std::uint32_t>& codes = cells_.colourCodes();
  for (std::size_t i = 0; i < cells_.cells().size(); ++i) {
    auto cell = std::make_unique<TZEBboxP>(*cells_.cells()[i], *this);
    if (i < codes.size()) cell->Background() = PrintBackground::ofCode(cell->box().set(), codes[i]);
    cellBoxes_.push_back(std::move(cell));
  }
}

void TMyyTableP::fitWidth(int offeredWidth) {
  makeCellBoxes();
  const ObjectRecord& record = object().record();
  int tableWidth = Width();
  if (record.u8(field::tableRelativeWidth) != 0) {
    const int percent = record.u8(field::tableWidthPercent);
    tableWidth = percent > 100 ? offeredWidth : static_cast<int>(std::int64_t{offeredWidth} * percent / 100);
  } else {
    const int stored = record.i16(field::tableWidth);
    tableWidth = scale_.horizontal(stored > 0 ? stored : defaultScreenWidth);
  }
  const int narrowest = 2 * TZEBbox::minimumWidth;
  if (cellBoxes_.empty() || columns() == 0) {
    setSize(std::max(tableWidth, narrowest), scale_.vertical(emptyScreenHeight));
    return;
  }
  const int spacing = record.u8(field::tableCellSpacing);
  const int across = scale_.horizontal(spacing);
  const int down = scale_.vertical(spacing);
  // Cell text keeps clear of the cell's inset and of the borders drawn inside the cell.
  const int inset = scale_.horizontal(record.u8(field::tableCellInset) + record.u8(field::tableBorderWidth));
  for (const auto& cell : cellBoxes_) cell->box().setHostInset(inset);
  CellSizer sizer(cellBoxes_, columns());
  std::vector<int> widths = layOutTable(printedDescription(record, scale_), tableWidth, sizer).columnWidths;
  widths.resize(static_cast<std::size_t>(columns()), narrowest);
  int y = down;
  for (int row = 0; row < rows(); ++row) {
    const auto first = static_cast<std::size_t>(row * columns());
    int x = across;
    int rowHeight = 0;
    for (int column = 0; column < columns(); ++column) {
      TZEBbox& cell = cellBoxes_[first + static_cast<std::size_t>(column)]->box();
      const int columnWidth = widths[static_cast<std::size_t>(column)];
      cell.setLayoutWidth(columnWidth);
      cell.FitHosted(x, y);
      rowHeight = std::max(rowHeight, cell.Height());
      x = saturated(std::int64_t{x} + columnWidth + across);
    }
    // Every cell of a row is as high as the row, so that its background fills it.
    for (int column = 0; column < columns(); ++column) {
      TZEBboxP& printed = *cellBoxes_[first + static_cast<std::size_t>(column)];
      printed.setPosition(printed.box().Left(), printed.box().Top());
      printed.setSize(printed.box().Width(), rowHeight);
    }
    y = saturated(std::int64_t{y} + rowHeight + down);
  }
  std::int64_t width = across;
  for (const int columnWidth : widths) width += columnWidth + across;
  setSize(saturated(width), y);
}

void TMyyTableP::Print(const PrintSheet& sheet, const CanvasRect& window) {
  const CanvasRect area{0, 0, Width(), Height()};
  if (sheet.options.tableBackground) printBackground(sheet, background_, area.intersected(window), 0, 0);
  printBevel(sheet.canvas, area, {border_, borderDown_, highlight_, shadow_}, window);
  for (const auto& cell : cellBoxes_) {
    if (!cell->bounds().intersects(window)) continue;
    CanvasState state(sheet.canvas);
    sheet.canvas.translate(cell->Left(), cell->Top());
    const CanvasRect local = window.translated(-cell->Left(), -cell->Top());
    cell->printEmbedded(sheet, local);
    printBevel(sheet.canvas, {0, 0, cell->Width(), cell->Height()}, {border_, borderDown_, shadow_, highlight_}, local);
  }
}

}  // namespace zeb
